#include "engine/alerte_vel.h"
#include "engine/demande_message_timer.h"
#include "engine/fenetre_answer.h"
#include "engine/fenetre_message.h"
#include "engine/fonctions_fenetres_divreses.h"
#include "engine/list_box.h"
#include "engine/window1.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"
#include "shell/pref_interm.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QFrame>
#include <QPushButton>

class TestAccessibility : public QObject {
    Q_OBJECT
    ProgramFixture program;

    // Controls a screen reader cannot name; frames that only group or
    // separate others need no name.
    static QStringList unnamedControls(QWidget &window)
    {
        QStringList unnamed;
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            const auto *frame = qobject_cast<QFrame *>(widget);
            if (!accessible || (frame && frame->frameShape() == QFrame::HLine) ||
                accessible->role() == QAccessible::Client || accessible->role() == QAccessible::Grouping ||
                accessible->role() == QAccessible::MenuBar || accessible->role() == QAccessible::ScrollBar ||
                !widget->objectName().size() || widget->objectName().startsWith(QLatin1String("qt_")))
                continue;
            if (accessible->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.append(window.objectName() + QLatin1Char('.') + widget->objectName());
        }
        return unnamed;
    }

private slots:
    void init() { program.start(); }

    void everyControlHasAName()
    {
        // The two question dialogs get their captions when they are asked.
        Fonctions_fenetres_divreses::type_message(QStringLiteral("?"), QStringLiteral("Quitter"),
                                                  QStringLiteral("Continuer"), QString(), 3, 1);
        Fonctions_fenetres_divreses::Type_answer(QStringLiteral("?"), QString(), QStringLiteral("Annuler"),
                                                 QStringLiteral("Continuer"), QString(), 1, 0);
        QList<QWidget *> windows{&program.window(),
                                 &pref_interm::instance(),
                                 &Bienvenue::instance(),
                                 &alerte_vel::instance(),
                                 &fenetre_message::instance(),
                                 &fenetre_answer::instance(),
                                 &Demande_message_timer::instance()};
        QStringList unnamed;
        for (QWidget *window : windows)
            unnamed += unnamedControls(*window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
    }

    void theListExposesThreeCellsPerRow()
    {
        Window1 &w = program.window();
        program.click(w.bt_depart);
        program.tick(2.5);
        program.click(w.intermediaire);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w.ListBox1);
        QAccessibleTableInterface *table = list->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->rowCount(), program.rowCount());
        const int last = program.rowCount() - 1;
        for (int column = 0; column < 3; ++column)
            QCOMPARE(table->cellAt(last, column)->text(QAccessible::Name), program.lastRow()[column]);
        QCOMPARE(table->columnDescription(2), QStringLiteral("Écart"));
    }
};

VEL_TEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"

#include "shell/appli.h"

#include "engine/list_box.h"
#include "engine/little_arrows.h"
#include "engine/methodes.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/date_texts.h"
#include "platform/platform.h"
#include "shell/menu.h"

#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>

appli::appli(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("VelTiming"));
    setApplicationDisplayName(QStringLiteral("Vel Timing"));
    loadTranslations();
    connect(this, &QCoreApplication::aboutToQuit, this, &appli::Close);
}

void appli::loadTranslations()
{
    // The standard dialogs speak French like the rest of the program.
    auto *translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

void appli::Open()
{
    auto &vg = Variables_globales;
    const QDateTime moment = Platform::get().now();
    vg.no_de_chrono = 1;
    vg.no_de_intermediaire = 1;
    vg.no_sauvetage = 1;

    Window1 &w = Window1::instance();
    w.setMenuBar(&Menu::instance());
    w.AddMenuHandlers();
    w.GroupBox2->setTitle(QStringLiteral("Etiquette pour le temps de départ"));
    w.StaticText3->setText(DateTexts::longDate(moment));
    w.bt_depart->setText(QStringLiteral("Départ"));
    w.setDefaultButton(w.bt_depart, true);
    QFont display = w.StaticText2->font();
    display.setFamily(QStringLiteral("helvetica"));
    w.StaticText2->setFont(display);
    w.ListBox1->setColumnAlignment(1, Qt::AlignRight);
    w.ListBox1->setColumnAlignment(2, Qt::AlignRight);

    // First-launch settings.
    w.setContentFrame(20, 50, 357, 520);
    w.Preference_vel_Timer->setText(QStringLiteral("300"));
    w.StaticText1->setText(QStringLiteral("300"));
    w.RadioButton1->setChecked(true);
    w.LittleArrows1->setVisible(false);
    vg.demande_message_ou_pas = false;
    vg.voir_ecarts = true;
    vg.pref_texte_timer = QStringLiteral("Temps écoulé!");
    vg.pref_tips = true;

    Methodes::enregistrement_passe();
    w.show();
}

void appli::Close() {}

bool appli::HandleAppleEvent(const QString &eventClass, const QString &eventId)
{
    Q_UNUSED(eventClass);
    Q_UNUSED(eventId);
    return false;
}

appli &App()
{
    return *static_cast<appli *>(QCoreApplication::instance());
}

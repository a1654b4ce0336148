#include "settings/preferences_window.h"

#include "core/preferences.h"
#include "widgets/clean_field.h"
#include "widgets/dialog_parts.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using DialogParts::helvetica12;
using DialogParts::placed;

namespace {
void separator(QWidget *parent, const char *name, QRect geometry)
{
    auto *line = placed(new QFrame(parent), name, geometry);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
}

void wrappedLabel(const QString &text, QWidget *parent, const char *name, QRect geometry)
{
    auto *label = placed(new QLabel(text, parent), name, geometry);
    label->setFont(helvetica12());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QLineEdit *field(QWidget *parent, const char *name, QRect geometry, const QString &accessibleName)
{
    auto *field = placed(new QLineEdit(parent), name, geometry);
    field->setFont(DialogParts::system12());
    field->setAccessibleName(accessibleName);
    CleanField::fitRecord(field);
    return field;
}

QCheckBox *checkBox(const QString &text, QWidget *parent, const char *name, QRect geometry, bool checked)
{
    auto *box = placed(new QCheckBox(text, parent), name, geometry);
    box->setFont(helvetica12());
    box->setChecked(checked);
    return box;
}

QPushButton *button(const QString &text, QWidget *parent, const char *name, QRect geometry)
{
    auto *button = placed(new QPushButton(text, parent), name, geometry);
    button->setFont(helvetica12());
    button->setAutoDefault(false);
    return button;
}
} // namespace

PreferencesWindow::PreferencesWindow(const Preferences &settings, const QString &globalKeyNote, QWidget *parent)
    : ReturnKeyDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("pref_interm"));
    setWindowTitle(QStringLiteral("Préférences"));
    // The note, where there is one, takes more room than the key's field.
    const int below = globalKeyNote.isEmpty() ? 0 : 26;
    setFixedSize(377, 411 + below);

    wrappedLabel(QStringLiteral("Entrez le texte désiré qui sera incrémenté à chaque pression sur le bouton "
                                "\"Intermédiaire\"."),
                 this, "StaticText1", QRect(15, 9, 335, 49));
    lapLabel_ = field(this, "chaine_interm", QRect(13, 50, 326, 22), QStringLiteral("Texte des temps intermédiaires"));
    auto *ok = button(QStringLiteral("OK"), this, "PushButton1", QRect(251, 367 + below, 70, 20));
    auto *cancel = button(QStringLiteral("Annuler"), this, "PushButton2", QRect(160, 367 + below, 77, 20));
    auto *defaults = button(QStringLiteral("Par défaut"), this, "PushButton3", QRect(57, 367 + below, 93, 20));
    ok->setDefault(true);
    separator(this, "Separator1", QRect(13, 81, 326, 12));
    alertMessage_ = field(this, "timer_defaut", QRect(15, 127, 326, 22), QStringLiteral("Message d'alerte du timer"));
    wrappedLabel(QStringLiteral("Entrez le message qui vous alertera lorsque le temps du Timer sera écoulé."), this,
                 "StaticText2", QRect(15, 93, 335, 31));
    askMessage_ = checkBox(QStringLiteral("Demander chaque fois"), this, "CheckBox1", QRect(46, 163, 236, 20),
                           settings.askMessage);
    showDifferences_ =
        checkBox(QStringLiteral("Voir écarts"), this, "CheckBox2", QRect(46, 206, 122, 15), settings.showDifferences);
    separator(this, "Separator2", QRect(13, 187, 326, 12));
    separator(this, "Separator3", QRect(15, 233, 326, 12));
    showHelpTags_ = checkBox(QStringLiteral("Voir les tips (conseils en jaune)"), this, "CheckBox3",
                             QRect(46, 257, 236, 20), settings.showHelpTags);
    separator(this, "Separator4", QRect(15, 283, 326, 12));
    wrappedLabel(QStringLiteral("Touche qui prend un temps intermédiaire, ou le départ, même quand un autre programme "
                                "a le clavier :"),
                 this, "StaticText3", QRect(15, 297, 335, 31));
    globalKey_ = placed(new QKeySequenceEdit(this), "touche_globale", QRect(13, 331, 326, 22));
    globalKey_->setAccessibleName(QStringLiteral("Touche des intermédiaires depuis un autre programme"));
    globalKey_->setClearButtonEnabled(true);
    globalKey_->installEventFilter(this);
    globalKey_->setVisible(globalKeyNote.isEmpty());
    if (!globalKeyNote.isEmpty())
        wrappedLabel(globalKeyNote, this, "StaticText4", QRect(15, 331, 335, 48));
    // One key, not a sequence of several.
    connect(globalKey_, &QKeySequenceEdit::editingFinished, globalKey_, [edit = globalKey_] {
        if (edit->keySequence().count() > 1)
            edit->setKeySequence(QKeySequence(edit->keySequence()[0]));
    });

    for (const HelpTag &tag : helpTags())
        tag.control->setToolTip(tag.text);
    // Tab goes down the window, then along the buttons from left to right.
    const QList<QWidget *> order{lapLabel_, alertMessage_, askMessage_, showDifferences_, showHelpTags_, globalKey_,
                                 defaults,  cancel,        ok};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(ok, &QPushButton::clicked, this, [this] {
        hide();
        emit chosen({lapLabel_->text(), alertMessage_->text(), askMessage_->isChecked(), showDifferences_->isChecked(),
                     showHelpTags_->isChecked(), globalKey_->keySequence()[0]});
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, [this] {
        lapLabel_->setText(Preferences::kLapLabel);
        alertMessage_->setText(Preferences::kAlertMessage);
    });
}

void PreferencesWindow::showSettings(const Preferences &settings, QKeyCombination globalKey)
{
    globalKey_->setKeySequence(QKeySequence(globalKey));
    lapLabel_->setText(settings.lapLabel);
    alertMessage_->setText(settings.alertMessage);
    askMessage_->setChecked(settings.askMessage);
    show();
    raise();
    activateWindow();
}

bool PreferencesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != globalKey_ || event->type() != QEvent::KeyPress)
        return ReturnKeyDialog::eventFilter(watched, event);
    auto *press = static_cast<QKeyEvent *>(event);
    if ((press->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) != Qt::NoModifier)
        return false;
    switch (press->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        keyPressEvent(press);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        focusNextPrevChild(press->key() == Qt::Key_Tab);
        return true;
    default:
        return false;
    }
}

QList<HelpTag> PreferencesWindow::helpTags() const
{
    return {
        {askMessage_, QStringLiteral("Vous choisissez à l'aide de cette case à cocher si vous désirez que VelTiming "
                                     "vous demande chaque fois d'entrer un message d'alerte pour le timer lorsque le "
                                     "temps est écoulé.")},
        {showDifferences_, QStringLiteral("Vous choisissez à l\u2019aide de cette case à cocher si les listes de "
                                          "temps doivent afficher les écarts.")},
    };
}

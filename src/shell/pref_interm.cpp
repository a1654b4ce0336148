#include "shell/pref_interm.h"

#include "core/preferences.h"
#include "core/variables_globales.h"
#include "main_window/window1.h"
#include "shell/methodes_help_tags.h"
#include "widgets/clean_field.h"
#include "widgets/dialog_parts.h"
#include "widgets/list_box.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using DialogParts::helvetica12;
using DialogParts::placed;

namespace {
QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(helvetica12());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QCheckBox *checkBox(const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setFont(helvetica12());
    box->setChecked(true);
    return box;
}
} // namespace

pref_interm::pref_interm() : ReturnKeyDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("pref_interm"));
    setWindowTitle(QStringLiteral("Préférences"));
    setFixedSize(377, 359);

    StaticText1 = placed(wrappedLabel(QStringLiteral("Entrez le texte désiré qui sera incrémenté à chaque pression "
                                                     "sur le bouton \"Intermédiaire\"."),
                                      this),
                         "StaticText1", QRect(15, 9, 335, 49));
    chaine_interm = placed(new QLineEdit(this), "chaine_interm", QRect(13, 50, 326, 22));
    chaine_interm->setFont(DialogParts::system12());
    chaine_interm->setAccessibleName(QStringLiteral("Texte des temps intermédiaires"));
    CleanField::fitRecord(chaine_interm);
    PushButton1 = placed(new QPushButton(QStringLiteral("OK"), this), "PushButton1", QRect(251, 315, 70, 20));
    PushButton2 = placed(new QPushButton(QStringLiteral("Annuler"), this), "PushButton2", QRect(160, 315, 77, 20));
    PushButton3 = placed(new QPushButton(QStringLiteral("Par défaut"), this), "PushButton3", QRect(57, 315, 93, 20));
    for (QPushButton *button : {PushButton1, PushButton2, PushButton3}) {
        button->setFont(helvetica12());
        button->setAutoDefault(false);
    }
    PushButton1->setDefault(true);
    Separator1 = placed(separator(this), "Separator1", QRect(13, 81, 326, 12));
    timer_defaut = placed(new QLineEdit(this), "timer_defaut", QRect(15, 127, 326, 22));
    timer_defaut->setFont(DialogParts::system12());
    timer_defaut->setAccessibleName(QStringLiteral("Message d'alerte du timer"));
    CleanField::fitRecord(timer_defaut);
    StaticText2 = placed(wrappedLabel(QStringLiteral("Entrez le message qui vous alertera lorsque le temps du Timer "
                                                     "sera écoulé."),
                                      this),
                         "StaticText2", QRect(15, 93, 335, 31));
    CheckBox1 = placed(checkBox(QStringLiteral("Demander chaque fois"), this), "CheckBox1", QRect(46, 163, 236, 20));
    CheckBox2 = placed(checkBox(QStringLiteral("Voir écarts"), this), "CheckBox2", QRect(46, 206, 122, 15));
    Separator2 = placed(separator(this), "Separator2", QRect(13, 187, 326, 12));
    Separator3 = placed(separator(this), "Separator3", QRect(15, 233, 326, 12));
    CheckBox3 = placed(checkBox(QStringLiteral("Voir les tips (conseils en jaune)"), this), "CheckBox3",
                       QRect(46, 257, 236, 20));

    for (const HelpTag &tag : helpTags())
        tag.control->setToolTip(tag.text);
    // Tab goes down the window, then along the buttons from left to right.
    const QList<QWidget *> order{chaine_interm, timer_defaut, CheckBox1,   CheckBox2,
                                 CheckBox3,     PushButton3,  PushButton2, PushButton1};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(PushButton1, &QPushButton::clicked, this, &pref_interm::PushButton1_Action);
    connect(PushButton2, &QPushButton::clicked, this, &pref_interm::PushButton2_Action);
    connect(PushButton3, &QPushButton::clicked, this, &pref_interm::PushButton3_Action);
}

QList<HelpTag> pref_interm::helpTags() const
{
    return {
        {CheckBox1, QStringLiteral("Vous choisissez à l'aide de cette case à cocher si vous désirez que VelTiming "
                                   "vous demande chaque fois d'entrer un message d'alerte pour le timer lorsque le "
                                   "temps est écoulé.")},
        {CheckBox2, QStringLiteral("Vous choisissez à l\u2019aide de cette case à cocher si les listes de temps "
                                   "doivent afficher les écarts.")},
    };
}

void pref_interm::showCurrentSettings()
{
    chaine_interm->setText(Window1::instance().preftexteligne->text());
    timer_defaut->setText(Variables_globales.pref_texte_timer);
    CheckBox1->setChecked(Variables_globales.demande_message_ou_pas);
    show();
    raise();
    activateWindow();
}

void pref_interm::PushButton1_Action()
{
    auto &vg = Variables_globales;
    Window1 &w = Window1::instance();
    w.preftexteligne->setText(chaine_interm->text());
    vg.pref_texte_timer = timer_defaut->text();
    vg.demande_message_ou_pas = CheckBox1->isChecked();
    vg.voir_ecarts = CheckBox2->isChecked();
    w.setDifferenceColumnShown(vg.voir_ecarts);
    vg.pref_tips = CheckBox3->isChecked();
    Methodes::show_helptags(vg.pref_tips);
    hide();
    emit settingsChanged();
}

void pref_interm::PushButton2_Action()
{
    hide();
}

void pref_interm::PushButton3_Action()
{
    chaine_interm->setText(Preferences::kLapLabel);
    timer_defaut->setText(Preferences::kAlertMessage);
}

void pref_interm::reject()
{
    PushButton2_Action();
}

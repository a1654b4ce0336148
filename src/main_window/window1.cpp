#include "main_window/window1.h"

#include "core/date_texts.h"
#include "core/preferences.h"
#include "core/press_time.h"
#include "core/run.h"
#include "core/variables_globales.h"
#include "platform/platform.h"
#include "widgets/clean_field.h"
#include "widgets/dialog_parts.h"
#include "widgets/list_box.h"
#include "widgets/little_arrows.h"
#include "widgets/own_colour.h"
#include "widgets/warning_line.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

#include <cstdlib>

namespace {
using A = Anchoring;
using DialogParts::pixelFont;
using DialogParts::systemFont;

const QString kHelvetica = QStringLiteral("Helvetica");
} // namespace

Window1::Window1() : history_(laps_, Variables_globales.run, this), content_(new QWidget(this))
{
    setObjectName(QStringLiteral("Window1"));
    setWindowTitle(QStringLiteral("Vel Timing"));
    content_->setObjectName(QStringLiteral("contenu"));
    setCentralWidget(content_);
    // No largest size: a maximized window's list takes the room.
    content_->setMinimumSize(kMinimumWidth, kMinimumHeight);
    buildControls();
    connectHandlers();
    content_->installEventFilter(this);
    Commentaire->installEventFilter(this);
}

Window1::~Window1() = default;

void Window1::buildControls()
{
    auto place = [this](QWidget *control, const char *name, QRect geometry, Anchoring::Edges edges) {
        control->setObjectName(QLatin1String(name));
        control->setGeometry(geometry);
        anchoring_.add(control, geometry, edges);
    };
    auto timer = [this](const char *name) {
        auto *t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        return t;
    };
    auto button = [&](const char *name, const QString &caption, QRect geometry, int pixels) {
        auto *b = new QPushButton(caption, content_);
        b->setFont(pixelFont(kHelvetica, pixels));
        place(b, name, geometry, A::Right | A::Bottom);
        return b;
    };

    Rectangle1 = new QFrame(content_);
    Rectangle1->setFrameShape(QFrame::Box);
    Rectangle1->setAccessibleName(QStringLiteral("Cadre de l'afficheur"));
    place(Rectangle1, "Rectangle1", QRect(13, 241, 147, 38), A::Bottom);

    bt_depart = button("bt_depart", QStringLiteral("Départ"), QRect(409, 242, 101, 20), 12);
    bt_pause = button("bt_pause", QStringLiteral("Pause"), QRect(409, 271, 101, 20), 12);

    // Single shots, each aimed at the display's next change.
    Timer3 = timer("Timer3");
    Timer3->setTimerType(Qt::PreciseTimer);
    Timer3->setSingleShot(true);

    LittleArrows1 = new LittleArrows(content_);
    LittleArrows1->setToolTip(QStringLiteral("Augmente ou diminue le timer par pas d'une seconde. Conseil: ") +
#ifdef Q_OS_MACOS
                              QStringLiteral("commande-clic fait augmenter le timer par minutes, option-clic par "
                                             "heures.")
#else
                              QStringLiteral("Ctrl-clic fait augmenter le timer par minutes, Alt-clic ou Maj-clic "
                                             "par heures.")
#endif
    );
    LittleArrows1->setAccessibleName(QStringLiteral("Préréglage du timer"));
    place(LittleArrows1, "LittleArrows1", QRect(163, 251, 13, 23), A::Bottom);

    ListBox1 = new ListBox(laps_, content_);
    ListBox1->setFont(pixelFont(QStringLiteral("Courier"), 12));
    ListBox1->setAccessibleName(QStringLiteral("Liste des temps"));
    place(ListBox1, "ListBox1", QRect(8, 21, 501, 167), A::Left | A::Top | A::Right | A::Bottom);

    intermediaire = button("intermediaire", QStringLiteral("Intermédiaire"), QRect(409, 300, 101, 21), 12);

    preftexteligne = new QLabel(Preferences::kLapLabel, content_);
    preftexteligne->setFont(systemFont(12));
    preftexteligne->setEnabled(false);
    preftexteligne->setVisible(false); // only keeps the lap label
    place(preftexteligne, "preftexteligne", QRect(22, 362, 59, 16), A::Bottom);

    RadioButton1 = new QRadioButton(QStringLiteral("Chronomètre"), content_);
    RadioButton1->setFont(pixelFont(kHelvetica, 12));
    place(RadioButton1, "RadioButton1", QRect(22, 303, 109, 18), A::Bottom);
    RadioButton2 = new QRadioButton(QStringLiteral("Timer"), content_);
    RadioButton2->setFont(pixelFont(kHelvetica, 12));
    place(RadioButton2, "RadioButton2", QRect(22, 324, 69, 20), A::Bottom);

    GroupBox1 = new QGroupBox(QStringLiteral("Mode"), content_);
    GroupBox1->setFont(pixelFont(kHelvetica, 12));
    place(GroupBox1, "GroupBox1", QRect(14, 286, 125, 65), A::Bottom);

    reset = button("reset", QStringLiteral("Initialiser"), QRect(409, 329, 101, 22), 12);

    StaticText4 = new QLabel(QStringLiteral("Label:"), content_);
    StaticText4->setFont(pixelFont(kHelvetica, 12));
    StaticText4->setAlignment(Qt::AlignCenter);
    OwnColour::give(StaticText4, QColor(40, 13, 147));
    StaticText4->setAccessibleDescription(QStringLiteral("Heure"));
    place(StaticText4, "StaticText4", QRect(408, 3, 100, 20), A::Right);
    // Its last two rows lie over the list's top edge: outside its mask, so
    // each second's new time repaints the label alone, not a strip of the list.
    StaticText4->setMask(QRegion(0, 0, 100, 21 - 3));

    heure = timer("heure");
    heure->setTimerType(Qt::PreciseTimer);
    heure->setSingleShot(true);

    StaticText3 = new QLabel(QStringLiteral("Label:"), content_);
    StaticText3->setFont(pixelFont(kHelvetica, 12));
    OwnColour::give(StaticText3, QColor(40, 13, 147));
    StaticText3->setAccessibleDescription(QStringLiteral("Date"));
    place(StaticText3, "StaticText3", QRect(7, 3, 236, 20), A::None);
    // As the clock's: a new row repaints the list alone, not the date above it.
    StaticText3->setMask(QRegion(0, 0, 236, 21 - 3));

    // Wakes once a day, at midnight, to show the new date.
    regarde_date = timer("regarde_date");
    regarde_date->setSingleShot(true);

    StaticText2 = new QLabel(QStringLiteral("0:00:00:00"), content_);
    StaticText2->setFont(pixelFont(kHelvetica, 24));
    StaticText2->setAlignment(Qt::AlignCenter);
    // Painting its own background spares the frame and the window behind it a
    // repaint at every change of the time.
    StaticText2->setAutoFillBackground(true);
    OwnColour::give(StaticText2, QColor(80, 44, 153));
    // Labels are read by their text, so the time itself is the name; the
    // description tells what it is.
    StaticText2->setAccessibleDescription(QStringLiteral("Temps"));
    place(StaticText2, "StaticText2", QRect(17, 248, 138, 26), A::Bottom);

    Commentaire = new QLineEdit(content_);
    Commentaire->setFont(pixelFont(kHelvetica, 12));
    Commentaire->setAccessibleName(QStringLiteral("Commentaire"));
    CleanField::guard(Commentaire);
    place(Commentaire, "Commentaire", QRect(14, 203, 378, 21), A::Left | A::Right | A::Bottom);

    GroupBox2 = new QGroupBox(QStringLiteral("Commentaire for the  itermediar"), content_);
    GroupBox2->setFont(pixelFont(kHelvetica, 10));
    place(GroupBox2, "GroupBox2", QRect(9, 190, 390, 39), A::Left | A::Right | A::Bottom);

    StaticText1 = new QLabel(QStringLiteral("0"), content_);
    StaticText1->setFont(systemFont(12));
    StaticText1->setEnabled(false);
    StaticText1->setVisible(false);
    StaticText1->setAccessibleName(QStringLiteral("Préréglage du timer en secondes"));
    place(StaticText1, "StaticText1", QRect(265, 363, 24, 18), A::Bottom);

    Preference_vel_Timer = new QLabel(QStringLiteral("préftemps"), content_);
    Preference_vel_Timer->setFont(systemFont(12));
    Preference_vel_Timer->setEnabled(false);
    Preference_vel_Timer->setVisible(false);
    Preference_vel_Timer->setAccessibleName(QStringLiteral("Préréglage enregistré"));
    place(Preference_vel_Timer, "Preference_vel_Timer", QRect(211, 363, 116, 18), A::Bottom);

    efface_liste = button("efface_liste", QStringLiteral("Effacer la liste"), QRect(411, 202, 98, 21), 9);

    // Keeps the print comment; never meant to be seen.
    Pour_commentaire_impression = new QLineEdit(content_);
    Pour_commentaire_impression->setObjectName(QStringLiteral("Pour_commentaire_impression"));
    Pour_commentaire_impression->setFont(pixelFont(kHelvetica, 12));
    Pour_commentaire_impression->setGeometry(193, 487, 80, 22);
    Pour_commentaire_impression->setVisible(false);
    Pour_commentaire_impression->setAccessibleName(QStringLiteral("Commentaire d'impression"));

    avertissement_copie = new WarningLine(content_);
    avertissement_copie->setFont(pixelFont(kHelvetica, 11));
    place(avertissement_copie, "avertissement_copie", QRect(8, 358, 504, 20), A::Left | A::Right | A::Bottom);

    // Frames are drawn behind the controls they surround, and must not take
    // their clicks.
    for (QWidget *frame :
         {static_cast<QWidget *>(GroupBox2), static_cast<QWidget *>(GroupBox1), static_cast<QWidget *>(Rectangle1)})
        frame->lower();
    StaticText2->raise();

    for (const HelpTag &tag : helpTags())
        tag.control->setToolTip(tag.text);

    heure->start(DateTexts::nextSecondDelay(Platform::get().now().time()));
}

void Window1::connectHandlers()
{
    connect(bt_depart, &QPushButton::clicked, this, &Window1::bt_depart_Action);
    connect(bt_pause, &QPushButton::clicked, this, &Window1::bt_pause_Action);
    connect(reset, &QPushButton::clicked, this, &Window1::reset_Action);
    connect(Timer3, &QTimer::timeout, this, &Window1::Timer3_Action);
    connect(heure, &QTimer::timeout, this, &Window1::heure_Action);
    connect(regarde_date, &QTimer::timeout, this, &Window1::regarde_date_Action);
    connect(RadioButton1, &QRadioButton::clicked, this, &Window1::RadioButton1_Action);
    connect(RadioButton2, &QRadioButton::clicked, this, &Window1::RadioButton2_Action);
    connect(LittleArrows1, &LittleArrows::up, this, &Window1::LittleArrows1_Up);
    connect(LittleArrows1, &LittleArrows::down, this, &Window1::LittleArrows1_Down);
    connect(LittleArrows1, &LittleArrows::stepped, this,
            [this](qint64 step) { stepPreset(step > 0 ? 1 : -1, std::abs(step)); });
    connect(intermediaire, &QPushButton::clicked, this, &Window1::intermediaire_Action);
    connect(efface_liste, &QPushButton::clicked, this, &Window1::efface_liste_Action);
    connect(ListBox1, &ListBox::doubleClick, this, &Window1::ListBox1_DoubleClick);
    connect(ListBox1, &ListBox::cellAction, this, &Window1::ListBox1_CellAction);
    // The keyboard goes back to the comment after each run action, so a
    // blank typed there never presses the button just clicked.
    for (QPushButton *button : {bt_depart, bt_pause, intermediaire, reset}) {
        connect(button, &QPushButton::clicked, Commentaire, qOverload<>(&QWidget::setFocus));
        button->installEventFilter(this);
    }
    Commentaire->setFocus();
}

int Window1::menuOffset() const
{
    const QWidget *menu = menuWidget();
    if (!menu)
        return 0;
    if (const auto *bar = qobject_cast<const QMenuBar *>(menu); bar && bar->isNativeMenuBar())
        return 0;
    return menu->sizeHint().height();
}

QRect Window1::contentFrame() const
{
    const QRect outer = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    const int offset = menuOffset();
    return QRect(outer.x(), outer.y() + offset, outer.width(), outer.height() - offset);
}

QMargins Window1::aroundContent() const
{
    constexpr int kTitleBar = 30, kBorder = 4;
    QMargins decoration = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (decoration.isNull())
        decoration = QMargins(kBorder, kTitleBar, kBorder, kBorder);
    return decoration + QMargins(0, menuOffset(), 0, 0);
}

void Window1::setContentFrame(int left, int top, int height, int width)
{
    const int offset = menuOffset();
    setGeometry(left, top - offset, width, height + offset);
}

void Window1::setDefaultButton(QPushButton *button)
{
    for (QPushButton *each : {bt_depart, intermediaire, reset})
        each->setDefault(each == button);
}

QPushButton *Window1::defaultButton() const
{
    for (QPushButton *button : {bt_depart, intermediaire, reset})
        if (button->isDefault())
            return button;
    return nullptr;
}

void Window1::keyPressEvent(QKeyEvent *event)
{
    // Outside dialogs Qt lets no button answer Return, so the window does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (QPushButton *button = defaultButton(); button && button->isEnabled()) {
            pressed(button, event);
            button->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void Window1::closeEvent(QCloseEvent *event)
{
    // Closing the window is quitting: the quit command decides, and may
    // offer to save the list first.
    event->ignore();
    menfichieritemquitter_Action();
}

bool Window1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == content_ && event->type() == QEvent::Resize)
        anchoring_.apply(content_->size());
    // Ctrl+Z in the comment takes back its typing while there is some, and
    // otherwise the list's last change.
    if (watched == Commentaire && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if ((key->matches(QKeySequence::Undo) && !Commentaire->isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !Commentaire->isRedoAvailable()))
            return true;
    }
    // A run button acts on its release; its time is the press's.
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton)
            pressed(watched, static_cast<const QInputEvent *>(event));
    } else if (event->type() == QEvent::KeyPress) {
        if (const auto *key = static_cast<const QKeyEvent *>(event);
            !key->isAutoRepeat() && key->key() == Qt::Key_Space)
            pressed(watched, key);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Window1::pressed(QObject *button, const QInputEvent *event)
{
    Platform &platform = Platform::get();
    press_ = Press{button,
                   PressTime::reading(platform.microseconds(), platform.monotonicMilliseconds(), event->timestamp())};
}

Window1::Moment Window1::moment()
{
    Platform &platform = Platform::get();
    const double now = platform.microseconds();
    // Only the press of the button whose click runs the handler, and only one
    // recent enough to be believed.
    const double reading =
        press_ && press_->button == sender() && now - press_->reading <= PressTime::kBelievableMs * 1000.0
            ? press_->reading
            : now;
    press_.reset();
    return {reading, platform.now().addMSecs(-qint64((now - reading) / 1000.0))};
}

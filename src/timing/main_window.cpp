#include "timing/main_window.h"

#include "core/date_texts.h"
#include "core/program.h"
#include "core/run.h"
#include "core/settings.h"
#include "core/timekeeper.h"
#include "core/timer_preset.h"
#include "platform/platform.h"
#include "timing/alert_message_dialog.h"
#include "timing/alert_window.h"
#include "widgets/clean_field.h"
#include "widgets/dialog_parts.h"
#include "widgets/lap_list_view.h"
#include "widgets/own_colour.h"
#include "widgets/preset_arrows.h"
#include "widgets/warning_line.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

#include <cstdlib>

namespace {
using A = Anchoring;
using DialogParts::pixelFont;

const QString kHelvetica = QStringLiteral("Helvetica");
} // namespace

MainWindow::MainWindow(Timekeeper &timekeeper, Platform &platform, QWidget *parent)
    : QMainWindow(parent), timekeeper_(timekeeper), platform_(platform), history_(timekeeper, this),
      content_(new QWidget(this))
{
    setObjectName(QStringLiteral("Window1"));
    setWindowTitle(Program::title());
    content_->setObjectName(QStringLiteral("contenu"));
    setCentralWidget(content_);
    // No largest size: a maximized window's list takes the room.
    content_->setMinimumSize(kMinimumSize);
    buildControls();
    connectControls();
    setReturnButton(startButton_);
    onDate();
    clockTimer_->start(DateTexts::nextSecondDelay(platform_.now().time()));
    showSettings();
    showRun();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    auto place = [this](QWidget *control, const char *name, QRect geometry, Anchoring::Edges edges) {
        control->setObjectName(QLatin1String(name));
        control->setGeometry(geometry);
        anchoring_.add(control, geometry, edges);
    };
    // Single shots, each aimed at the next change of what it shows.
    auto timer = [this](const char *name) {
        auto *t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        t->setTimerType(Qt::PreciseTimer);
        t->setSingleShot(true);
        return t;
    };
    auto button = [&](const char *name, const QString &caption, QRect geometry, int pixels) {
        auto *b = new QPushButton(caption, content_);
        b->setFont(pixelFont(kHelvetica, pixels));
        place(b, name, geometry, A::Right | A::Bottom);
        return b;
    };
    auto label = [&](const char *name, QRect geometry, A::Edges edges, const QColor &colour, int pixels) {
        auto *l = new QLabel(QStringLiteral("Label:"), content_);
        l->setFont(pixelFont(kHelvetica, pixels));
        OwnColour::give(l, colour);
        place(l, name, geometry, edges);
        return l;
    };

    displayFrame_ = new QFrame(content_);
    displayFrame_->setFrameShape(QFrame::Box);
    displayFrame_->setAccessibleName(QStringLiteral("Cadre de l'afficheur"));
    place(displayFrame_, "Rectangle1", QRect(13, 241, 147, 38), A::Bottom);

    startButton_ = button("bt_depart", QStringLiteral("Départ"), QRect(409, 242, 101, 20), 12);
    pauseButton_ = button("bt_pause", QStringLiteral("Pause"), QRect(409, 271, 101, 20), 12);
    tickTimer_ = timer("Timer3");

    presetArrows_ = new PresetArrows(content_);
    presetArrows_->setToolTip(QStringLiteral("Augmente ou diminue le timer par pas d'une seconde. Conseil: ") +
#ifdef Q_OS_MACOS
                              QStringLiteral("commande-clic fait augmenter le timer par minutes, option-clic par "
                                             "heures.")
#else
                              QStringLiteral("Ctrl-clic fait augmenter le timer par minutes, Alt-clic ou Maj-clic "
                                             "par heures.")
#endif
    );
    presetArrows_->setAccessibleName(QStringLiteral("Préréglage du timer"));
    place(presetArrows_, "LittleArrows1", QRect(163, 251, 13, 23), A::Bottom);

    lapView_ = new LapListView(timekeeper_.model(), content_);
    lapView_->setFont(pixelFont(QStringLiteral("Courier"), 12));
    lapView_->setAccessibleName(QStringLiteral("Liste des temps"));
    place(lapView_, "ListBox1", QRect(8, 21, 501, 167), A::Left | A::Top | A::Right | A::Bottom);

    lapButton_ = button("intermediaire", QStringLiteral("Intermédiaire"), QRect(409, 300, 101, 21), 12);

    chronometerMode_ = new QRadioButton(QStringLiteral("Chronomètre"), content_);
    chronometerMode_->setFont(pixelFont(kHelvetica, 12));
    place(chronometerMode_, "RadioButton1", QRect(22, 303, 109, 18), A::Bottom);
    timerMode_ = new QRadioButton(QStringLiteral("Timer"), content_);
    timerMode_->setFont(pixelFont(kHelvetica, 12));
    place(timerMode_, "RadioButton2", QRect(22, 324, 69, 20), A::Bottom);

    modeBox_ = new QGroupBox(QStringLiteral("Mode"), content_);
    modeBox_->setFont(pixelFont(kHelvetica, 12));
    place(modeBox_, "GroupBox1", QRect(14, 286, 125, 65), A::Bottom);

    resetButton_ = button("reset", QStringLiteral("Initialiser"), QRect(409, 329, 101, 22), 12);

    clockLabel_ = label("StaticText4", QRect(408, 3, 100, 20), A::Right, QColor(40, 13, 147), 12);
    clockLabel_->setAlignment(Qt::AlignCenter);
    clockLabel_->setAccessibleDescription(QStringLiteral("Heure"));
    clockTimer_ = timer("heure");

    dateLabel_ = label("StaticText3", QRect(7, 3, 236, 20), A::None, QColor(40, 13, 147), 12);
    dateLabel_->setAccessibleDescription(QStringLiteral("Date"));
    // Their last two rows lie over the list's top edge: outside their masks, so
    // a new time or a new row repaints the one that changed, not the other.
    clockLabel_->setMask(QRegion(0, 0, 100, 21 - 3));
    dateLabel_->setMask(QRegion(0, 0, 236, 21 - 3));
    // Wakes once a day, at midnight, to show the new date.
    dateTimer_ = timer("regarde_date");

    timeDisplay_ = new QLabel(QStringLiteral("0:00:00:00"), content_);
    timeDisplay_->setFont(pixelFont(kHelvetica, 24));
    timeDisplay_->setAlignment(Qt::AlignCenter);
    // Painting its own background spares the frame and the window behind it a
    // repaint at every change of the time.
    timeDisplay_->setAutoFillBackground(true);
    OwnColour::give(timeDisplay_, QColor(80, 44, 153));
    // Labels are read by their text, so the time itself is the name; the
    // description tells what it is.
    timeDisplay_->setAccessibleDescription(QStringLiteral("Temps"));
    place(timeDisplay_, "StaticText2", QRect(17, 248, 138, 26), A::Bottom);

    commentField_ = new QLineEdit(content_);
    commentField_->setFont(pixelFont(kHelvetica, 12));
    commentField_->setAccessibleName(QStringLiteral("Commentaire"));
    CleanField::guard(commentField_);
    place(commentField_, "Commentaire", QRect(14, 203, 378, 21), A::Left | A::Right | A::Bottom);

    commentBox_ = new QGroupBox(QStringLiteral("Commentaire for the  itermediar"), content_);
    commentBox_->setFont(pixelFont(kHelvetica, 10));
    place(commentBox_, "GroupBox2", QRect(9, 190, 390, 39), A::Left | A::Right | A::Bottom);

    clearButton_ = button("efface_liste", QStringLiteral("Effacer la liste"), QRect(411, 202, 98, 21), 9);

    copyWarning_ = new WarningLine(content_);
    copyWarning_->setFont(pixelFont(kHelvetica, 11));
    place(copyWarning_, "avertissement_copie", QRect(8, 358, 504, 20), A::Left | A::Right | A::Bottom);

    // Frames are drawn behind the controls they surround, and must not take
    // their clicks.
    for (QWidget *frame :
         {static_cast<QWidget *>(commentBox_), static_cast<QWidget *>(modeBox_), static_cast<QWidget *>(displayFrame_)})
        frame->lower();
    timeDisplay_->raise();
}

void MainWindow::connectControls()
{
    connect(startButton_, &QPushButton::clicked, this, &MainWindow::onStartStop);
    connect(pauseButton_, &QPushButton::clicked, this, &MainWindow::onPauseResume);
    connect(resetButton_, &QPushButton::clicked, this, &MainWindow::onReset);
    connect(lapButton_, &QPushButton::clicked, this, &MainWindow::onLap);
    connect(tickTimer_, &QTimer::timeout, this, &MainWindow::onTick);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::onClock);
    connect(dateTimer_, &QTimer::timeout, this, &MainWindow::onDate);
    connect(chronometerMode_, &QRadioButton::clicked, this, [this] { timekeeper_.setMode(RunMode::Chronometre); });
    connect(timerMode_, &QRadioButton::clicked, this, [this] { timekeeper_.setMode(RunMode::Timer); });
    connect(presetArrows_, &PresetArrows::up, this,
            [this] { onPresetStep(+1, TimerPreset::clickStep(platform_.keyboardModifiers())); });
    connect(presetArrows_, &PresetArrows::down, this,
            [this] { onPresetStep(-1, TimerPreset::clickStep(platform_.keyboardModifiers())); });
    connect(presetArrows_, &PresetArrows::stepped, this,
            [this](qint64 step) { onPresetStep(step > 0 ? 1 : -1, std::abs(step)); });
    connect(clearButton_, &QPushButton::clicked, this, &MainWindow::clearList);
    // One double-click, one edit.
    connect(lapView_, &LapListView::doubleClick, this, [this] { timekeeper_.model().setEditable(true); });
    connect(lapView_, &LapListView::editEnded, this, [this] { timekeeper_.model().setEditable(false); });
    connect(&timekeeper_, &Timekeeper::applied, this, &MainWindow::showOutcome);
    connect(&timekeeper_.settings(), &Settings::changed, this, &MainWindow::showSettings);
    // The keyboard goes back to the comment after each run action, so a
    // blank typed there never presses the button just clicked.
    for (QPushButton *button : {startButton_, pauseButton_, lapButton_, resetButton_}) {
        connect(button, &QPushButton::clicked, commentField_, qOverload<>(&QWidget::setFocus));
        button->installEventFilter(this);
    }
    content_->installEventFilter(this);
    commentField_->installEventFilter(this);
    commentField_->setFocus();
}

int MainWindow::menuOffset() const
{
    const QWidget *menu = menuWidget();
    if (!menu)
        return 0;
    if (const auto *bar = qobject_cast<const QMenuBar *>(menu); bar && bar->isNativeMenuBar())
        return 0;
    return menu->sizeHint().height();
}

QRect MainWindow::contentFrame() const
{
    const QRect outer = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    const int offset = menuOffset();
    return QRect(outer.x(), outer.y() + offset, outer.width(), outer.height() - offset);
}

void MainWindow::setContentFrame(const QRect &frame)
{
    const int offset = menuOffset();
    setGeometry(frame.x(), frame.y() - offset, frame.width(), frame.height() + offset);
}

QMargins MainWindow::aroundContent() const
{
    constexpr int kTitleBar = 30, kBorder = 4;
    QMargins decoration = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (decoration.isNull())
        decoration = QMargins(kBorder, kTitleBar, kBorder, kBorder);
    return decoration + QMargins(0, menuOffset(), 0, 0);
}

void MainWindow::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    QMainWindow::show();
    raise();
    activateWindow();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Outside dialogs Qt lets no button answer Return, so the window does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (QPushButton *button = returnButton(); button && button->isEnabled()) {
            pressed(button, event);
            button->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the window is quitting: the quit command decides, and may
    // offer to save the list first.
    event->ignore();
    emit closeRequested();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == content_ && event->type() == QEvent::Resize)
        anchoring_.apply(content_->size());
    // Ctrl+Z in the comment takes back its typing while there is some, and
    // otherwise the list's last change.
    if (watched == commentField_ && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if ((key->matches(QKeySequence::Undo) && !commentField_->isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !commentField_->isRedoAvailable()))
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

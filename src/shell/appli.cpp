#include "shell/appli.h"

#include "core/font_check.h"
#include "core/variables_globales.h"
#include "dialogs/fenetre_answer.h"
#include "dialogs/fenetre_message.h"
#include "dialogs/fonctions_fenetres_divreses.h"
#include "documents/demande_sauver.h"
#include "documents/document_commands.h"
#include "documents/list_journal.h"
#include "main_window/alerte_vel.h"
#include "main_window/demande_message_timer.h"
#include "main_window/window1.h"
#include "platform/platform.h"
#include "shell/bienvenue.h"
#include "shell/cursor_blink.h"
#include "shell/menu.h"
#include "shell/pref_interm.h"
#include "shell/preferences_file.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>
#include <QWindow>

appli::appli(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("VelTiming"));
    setApplicationDisplayName(QStringLiteral("Vel Timing"));
    // Names the icon and the desktop entry to the desktop and its notifications.
    setDesktopFileName(QStringLiteral(VEL_APP_ID));
    setWindowIcon(QIcon(QStringLiteral(":/icons/" VEL_APP_ID ".svg")));
    loadTranslations();
    new CursorBlink(this);
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
    settingsRestored_ = false;
    // A second start shows the first one's window instead of sharing its
    // list in progress.
    if (!Platform::get().claimInstance([] { raiseMainWindow(); })) {
        Platform::get().quit(0);
        return;
    }
    vg.run = Run(); // so runs and laps are numbered from the first
    if (!fontsAccepted()) {
        Platform::get().quit(0);
        return;
    }
    prepareMainWindow();
    restoreSettings();
    settingsRestored_ = true;
    kept_ = currentSettings().encode(); // what the file holds, or the defaults
    Window1 &w = Window1::instance();
    w.showRun();
    w.show();
    w.installEventFilter(this);
    Bienvenue::instance().show();
    connect(
        &Bienvenue::instance(), &Bienvenue::welcomeEnded, this, [&w] { DocumentCommands::offerRecovery(w); },
        Qt::SingleShotConnection);
    Platform::get().onTermination([this] { endOnSignal(); });
    Platform::get().onSessionEnd([this](bool interactive) { return endSession(interactive); });
}

bool appli::fontsAccepted()
{
    const QString warning = FontCheck::warning(Platform::get().installedFonts());
    if (warning.isEmpty())
        return true;
    return Fonctions_fenetres_divreses::type_message(warning, QStringLiteral("Quitter"), QStringLiteral("Continuer"),
                                                     QString(), 3, 1) == Answer::Second;
}

void appli::prepareMainWindow()
{
    Window1 &w = Window1::instance();
    Menu &menu = Menu::instance();
    w.setMenuBar(&menu);
    w.AddMenuHandlers(menu.items());
    ListHistory &history = w.history();
    connect(menu.EditUndo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(menu.EditRedo, &QAction::triggered, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::canUndoChanged, menu.EditUndo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, menu.EditRedo, &QAction::setEnabled);
    w.setCommands({
        .about =
            [] {
                Bienvenue &about = Bienvenue::instance();
                about.show();
                about.raise();
                about.activateWindow(); // Escape hides it
            },
        .save = &Methodes::Demande_sauver,
        .preferences = [] { pref_interm::instance().showCurrentSettings(); },
        .quit = [&w] { DocumentCommands::quit(w); },
        .print = [&w] { DocumentCommands::print(w); },
        .open = [&w] { DocumentCommands::open(w); },
    });
    auto *journal = new ListJournal(w.laps(), Platform::get().dataFolder(), &w);
    connect(&w, &Window1::runChanged, journal, &ListJournal::runChanged);
    connect(journal, &ListJournal::problemChanged, &w, &Window1::showCopyProblem);
    // A setting is kept as it changes, so that a kill loses none.
    connect(&w, &Window1::settingsChanged, this, &appli::keepSettings);
    connect(&pref_interm::instance(), &pref_interm::settingsChanged, this, &appli::keepSettings);
    keepFrame_.setSingleShot(true);
    keepFrame_.setInterval(1000); // once the window has stopped moving
    connect(&keepFrame_, &QTimer::timeout, this, &appli::keepSettings);
    w.GroupBox2->setTitle(Run::startHeading());
    w.regarde_date_Action();
    w.setDefaultButton(w.bt_depart);
    w.laps().setAlignment(1, Qt::AlignRight);
    w.laps().setAlignment(2, Qt::AlignRight);
}

void appli::Close()
{
    savePreferences(true);
}

void appli::savePreferences(bool report)
{
    if (!settingsRestored_ || !Window1::exists())
        return;
    const QString folder = Platform::get().preferencesFolder();
    const Preferences settings = currentSettings();
    PreferencesFile::setMaximized(folder, Window1::instance().isMaximized());
    const QString problem = PreferencesFile::save(folder, settings);
    if (problem.isEmpty())
        kept_ = settings.encode();
    else if (report)
        Platform::get().messageBox(QStringLiteral("Impossible d'enregistrer les préférences dans « %1 » : %2")
                                       .arg(QDir::toNativeSeparators(PreferencesFile::path(folder)), problem));
}

void appli::keepSettings()
{
    keepFrame_.stop();
    // Written again only when it changed; a failure is told at quit.
    if (settingsRestored_ && Window1::exists() &&
        (currentSettings().encode() != kept_ ||
         Window1::instance().isMaximized() != PreferencesFile::maximized(Platform::get().preferencesFolder())))
        savePreferences(false);
}

bool appli::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // Not a window that is being destroyed.
    auto *window = qobject_cast<Window1 *>(watched);
    if (window && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange)) {
        Window1 &w = *window;
        // Framed by the window manager: placed again, with the frame it has,
        // unless it has been moved since.
        if (!framed_ && w.windowHandle() && !w.windowHandle()->frameMargins().isNull()) {
            framed_ = true;
            if (!w.isMaximized() && w.contentFrame() == placed_)
                placeWindow(stored_);
        }
        if (type == QEvent::WindowStateChange)
            keepSettings();
        else
            keepFrame_.start();
    }
    return QApplication::eventFilter(watched, event);
}

void appli::endOnSignal()
{
    if (ListJournal *journal = ListJournal::current())
        journal->writeLast();
    savePreferences(false);
    settingsRestored_ = false; // written: the quit that follows writes nothing more
    Platform::get().quit(0);
}

bool appli::endSession(bool interactive)
{
    if (interactive) {
        if (Window1::exists() && !DocumentCommands::mayEnd(Window1::instance()))
            return false;
    } else if (ListJournal *journal = ListJournal::current()) {
        journal->writeNow();
    }
    savePreferences(false);
    return true;
}

bool appli::HandleAppleEvent(const QString &eventClass, const QString &eventId)
{
    const std::optional<int> version = Platform::get().systemVersion();
    if (!version || *version < 0x0A00)
        return false;
    if (eventClass.compare(QLatin1String("aevt"), Qt::CaseInsensitive) != 0 ||
        eventId.compare(QLatin1String("pref"), Qt::CaseInsensitive) != 0)
        return false;
    pref_interm::instance().showCurrentSettings();
    return true;
}

void appli::raiseMainWindow()
{
    if (!Window1::exists())
        return;
    Window1 &w = Window1::instance();
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    w.raise();
    w.activateWindow();
}

void appli::destroyWindows()
{
    alerte_vel::destroyInstance();
    Demande_message_timer::destroyInstance();
    Bienvenue::destroyInstance();
    pref_interm::destroyInstance();
    fenetre_message::destroyInstance();
    fenetre_answer::destroyInstance();
    Window1::destroyInstance();
}

appli &App()
{
    return *static_cast<appli *>(QCoreApplication::instance());
}

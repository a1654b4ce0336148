#include "app/application.h"

#include "app/about_window.h"
#include "app/cursor_blink.h"
#include "app/menu_bar.h"
#include "app/tray_icon.h"
#include "core/font_check.h"
#include "core/global_key.h"
#include "core/press_time.h"
#include "core/program.h"
#include "documents/documents.h"
#include "documents/list_copy.h"
#include "platform/platform.h"
#include "questions/question_dialog.h"
#include "settings/preferences_window.h"
#include "settings/settings_store.h"
#include "timing/main_window.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QTranslator>

Application::Application(Platform &platform, QObject *parent)
    : QObject(parent), platform_(platform), store_(new SettingsStore(settings_, platform, this))
{
    setObjectName(QStringLiteral("appli"));
    keepFrame_.setSingleShot(true);
    keepFrame_.setInterval(1000); // once the window has stopped moving
    connect(&keepFrame_, &QTimer::timeout, this, &Application::keepFrame);
    connect(&settings_, &Settings::changed, this, &Application::showHelpTags);
    connect(&remote_, &RemoteControl::showRequested, this, [this] {
        if (window_)
            window_->bringToFront();
    });
}

Application::~Application()
{
    // The windows go before the state they show, the copy after its last write.
    window_.reset();
    about_.reset();
    documents_.reset();
}

void Application::prepareNames()
{
    QCoreApplication::setApplicationName(Program::name());
}

void Application::prepare(QApplication &qt)
{
    prepareNames();
    qt.setApplicationDisplayName(Program::title());
    // Names the icon and the desktop entry to the desktop and its notifications.
    qt.setDesktopFileName(Program::id());
    qt.setWindowIcon(QIcon(QStringLiteral(":/icons/") + Program::id() + QStringLiteral(".svg")));
    // The standard dialogs speak French like the rest of the program.
    auto *translator = new QTranslator(&qt);
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    new CursorBlink(&qt);
}

void Application::start()
{
    // A second start shows the first one's window instead of sharing its
    // list in progress.
    const RemoteProtocol::Request show{
        RemoteProtocol::Operation::Show, {}, platform_.bootId(), qint64(platform_.microseconds())};
    if (!platform_.claimInstance(RemoteProtocol::encode(show),
                                 [this](const QByteArray &request) {
                                     return remote_.answer(request, {platform_.microseconds(), platform_.bootId(),
                                                                     platform_.now(), questionWaits()});
                                 }) ||
        !fontsAccepted()) {
        platform_.quit(0);
        return;
    }
    store_->load();
    stored_ = settings_.values();
    buildWindows();
    placeWindow(stored_);
    store_->adopt(withFrame(settings_.values()));
    timekeeper_.restore();
    showHelpTags();
    started_ = true;
    window_->show();
    window_->installEventFilter(this);
    platform_.onGlobalKey([this](quint64 stampMs) { pressGlobalKey(stampMs); });
    about_ = std::make_unique<AboutWindow>();
    connect(about_.get(), &AboutWindow::welcomeEnded, this, [this] {
        window_->raise();
        window_->activateWindow();
        showTray();
        if (store_->globalKey() != GlobalKey::kNone)
            holdGlobalKey(store_->globalKey(), false);
        documents_->offerRecovery();
    });
    about_->welcome();
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Application::close, Qt::UniqueConnection);
    platform_.onTermination([this] { endOnSignal(); });
    platform_.onSessionEnd([this](bool interactive) { return endSession(interactive); });
}

bool Application::fontsAccepted()
{
    const QString warning = FontCheck::warning(platform_.installedFonts());
    return warning.isEmpty() || QuestionDialog::ask(platform_, nullptr,
                                                    {warning, QStringLiteral("Quitter"), QStringLiteral("Continuer"),
                                                     IconCanvas::Icon::Caution, 1}) == Answer::Second;
}

void Application::buildWindows()
{
    window_ = std::make_unique<MainWindow>(timekeeper_, platform_);
    auto *menu = new MenuBar;
    window_->setMenuBar(menu);
    copy_ = new ListCopy(timekeeper_, platform_, platform_.dataFolder(), window_.get());
    documents_ = std::make_unique<Documents>(timekeeper_, *copy_, platform_, window_.get());
    connect(copy_, &ListCopy::problemChanged, window_.get(), &MainWindow::showCopyProblem);
    connect(window_.get(), &MainWindow::closeRequested, this, [this] { documents_->quit(); });
    connectMenus(*menu);
}

void Application::connectMenus(const MenuBar &menu)
{
    const MenuBar::Items &items = menu.items();
    MainWindow &window = *window_;
    Documents &documents = *documents_;
    connect(items.open, &QAction::triggered, this, [&documents] { documents.open(); });
    connect(items.save, &QAction::triggered, this, [&documents] { documents.save(); });
    connect(items.print, &QAction::triggered, this, [&documents] { documents.print(); });
    connect(items.quit, &QAction::triggered, this, [&documents] { documents.quit(); });
    ListHistory &history = window.history();
    connect(items.undo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(items.redo, &QAction::triggered, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::canUndoChanged, items.undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, items.redo, &QAction::setEnabled);
    connect(items.cut, &QAction::triggered, &window, [&window] { window.edit(MainWindow::Edit::Cut); });
    connect(items.copy, &QAction::triggered, &window, [&window] { window.edit(MainWindow::Edit::Copy); });
    connect(items.paste, &QAction::triggered, &window, [&window] { window.edit(MainWindow::Edit::Paste); });
    connect(items.clearList, &QAction::triggered, &window, &MainWindow::clearList);
    connect(items.removeRow, &QAction::triggered, &window, &MainWindow::removeSelectedRow);
    connect(items.preferences, &QAction::triggered, this, &Application::showPreferences);
    connect(items.about, &QAction::triggered, this, &Application::showAbout);
}

void Application::showPreferences()
{
    if (!preferences_) {
        preferences_ = new PreferencesWindow(settings_.values(), platform_.globalKeyUnavailable(), window_.get());
        connect(preferences_, &PreferencesWindow::chosen, this, [this](const PreferencesWindow::Choice &choice) {
            Preferences values = settings_.values();
            values.lapLabel = choice.lapLabel;
            values.alertMessage = choice.alertMessage;
            values.askMessage = choice.askMessage;
            values.showDifferences = choice.showDifferences;
            values.showHelpTags = choice.showHelpTags;
            settings_.set(values);
            if (choice.globalKey != store_->globalKey())
                holdGlobalKey(choice.globalKey, true);
        });
        showHelpTags();
    }
    preferences_->showSettings(settings_.values(), store_->globalKey());
}

void Application::holdGlobalKey(QKeyCombination key, bool chosen)
{
    platform_.holdGlobalKey(key, [this, key, chosen](const QString &problem) {
        if (problem.isEmpty() && chosen)
            store_->setGlobalKey(key);
        else if (!problem.isEmpty())
            platform_.messageBox(QStringLiteral("La touche « %1 » ne peut pas prendre les temps intermédiaires : %2.%3")
                                     .arg(QKeySequence(key).toString(QKeySequence::NativeText), problem,
                                          chosen ? QStringLiteral(" Elle n'est pas gardée.") : QString()));
    });
}

bool Application::questionWaits()
{
    return QApplication::activeModalWidget() != nullptr;
}

void Application::pressGlobalKey(quint64 stampMs)
{
    // While a question waits in a window, the key is refused, as a command is.
    if (!window_ || questionWaits()) {
        platform_.beep();
        return;
    }
    window_->pressLapKey(PressTime::reading(platform_.microseconds(), platform_.monotonicMilliseconds(), stampMs));
}

void Application::showTray()
{
    // Once the window is up: asking the desktop for its tray costs start-up a bus connection.
    if (tray_)
        return;
    tray_ = new TrayIcon(timekeeper_, *window_, window_.get());
    if (tray_->quitAction())
        connect(tray_->quitAction(), &QAction::triggered, this, [this] { documents_->quit(); });
}

void Application::showAbout()
{
    about_->show();
    about_->raise();
    about_->activateWindow(); // Escape hides it
}

void Application::showHelpTags()
{
    if (!window_)
        return;
    const bool shown = settings_.values().showHelpTags;
    QList<HelpTag> tags = window_->helpTags();
    if (preferences_)
        tags += preferences_->helpTags();
    for (const HelpTag &tag : tags)
        tag.control->setToolTip(shown ? tag.text : QString());
}

void Application::close()
{
    if (!started_ || !window_)
        return;
    keepFrame();
    store_->write(true);
}

void Application::endOnSignal()
{
    copy_->writeLast();
    keepFrame();
    store_->write(false);
    store_->seal(); // written: the quit that follows writes nothing more
    started_ = false;
    platform_.quit(0);
}

bool Application::endSession(bool interactive)
{
    if (interactive) {
        if (!documents_->mayEnd())
            return false;
    } else {
        copy_->writeNow();
    }
    keepFrame();
    store_->write(false);
    return true;
}

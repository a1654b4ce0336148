#include "platform/qt_platform.h"

#include "core/global_key.h"
#include "platform/beeper.h"
#include "platform/desktop_notifier.h"
#include "platform/instance_lock.h"
#include "platform/portal_global_key.h"
#include "platform/termination_signals.h"
#include "platform/x11_global_key.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPluginLoader>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSessionManager>
#include <QStandardPaths>

#include <cmath>
#include <time.h>

namespace {
// X11 takes the global key itself; elsewhere the desktop's portal is asked.
bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

qint64 nanoseconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return qint64(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}
} // namespace

void QtPlatform::prepareEnvironment()
{
    // The running tick wakes the program 100 times a second; Qt's own event
    // dispatcher costs about half of what the GLib one does per wake-up.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
}

QtPlatform::QtPlatform(QString soundPlugin) : soundPlugin_(std::move(soundPlugin)) {}

QtPlatform::~QtPlatform()
{
    if (beeper_)
        sound_->unload(); // and the player with it
}

double QtPlatform::bootClock()
{
    // CLOCK_BOOTTIME keeps counting while the machine sleeps and ignores
    // changes of the wall clock, which is what a stopwatch must measure.
    return double(nanoseconds(CLOCK_BOOTTIME)) / 1000.0;
}

double QtPlatform::microseconds()
{
    return bootClock();
}

qint64 QtPlatform::monotonicMilliseconds()
{
    return nanoseconds(CLOCK_MONOTONIC) / 1000000;
}

QByteArray QtPlatform::bootId()
{
    // The same until the machine starts again, so read once.
    if (bootId_.isNull()) {
        QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        bootId_ = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("");
    }
    return bootId_;
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

void QtPlatform::messageBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Message"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtPlatform::beep()
{
    // Qt Multimedia and the sound system are loaded with the plugin, only
    // once a beep is wanted: most runs never beep.
    if (!sound_) {
        const QString dir = QCoreApplication::applicationDirPath();
        for (const QString &path : {soundPlugin_, dir + QStringLiteral("/" VEL_SOUND_PLUGIN),
                                    dir + QStringLiteral("/../" VEL_PLUGIN_DIR "/" VEL_SOUND_PLUGIN)}) {
            sound_ = std::make_unique<QPluginLoader>(path);
            if (!path.isEmpty() && (beeper_ = qobject_cast<Beeper *>(sound_->instance())))
                break;
        }
    }
    if (beeper_)
        beeper_->beep();
    else
        QApplication::beep();
}

void QtPlatform::notify(Notice notice, const QString &summary, const QString &body)
{
    std::unique_ptr<DesktopNotifier> &notifier = notifiers_[notice];
    if (!notifier)
        notifier = std::make_unique<DesktopNotifier>(QGuiApplication::desktopFileName());
    notifier->post(summary, body);
}

void QtPlatform::showProgress(std::optional<double> fraction)
{
    // The display changes once a second: a tick a little early is still the
    // next second's. A step of a long countdown too small for a taskbar to
    // draw waits, since each signal wakes the bus's thread.
    if (fraction && progressShown_ && progressSent_.isValid() &&
        (progressSent_.elapsed() < 900 || std::abs(*fraction - progressFraction_) < 0.005))
        return;
    if (!fraction && !progressShown_)
        return;
    // Read by the task managers that show a progress on a program's entry
    // (Plasma's, dock extensions); where no session bus runs, nothing is sent.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage update =
        QDBusMessage::createSignal(QStringLiteral("/org/veltiming/VelTiming"),
                                   QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    QVariantMap properties{{QStringLiteral("progress-visible"), bool(fraction)}};
    if (fraction)
        properties.insert(QStringLiteral("progress"), *fraction);
    update << QStringLiteral("application://%1.desktop").arg(QGuiApplication::desktopFileName()) << properties;
    bus.send(update);
    progressShown_ = bool(fraction);
    progressFraction_ = fraction.value_or(0);
    progressSent_.start();
}

void QtPlatform::withdrawNotification(Notice notice)
{
    if (const auto found = notifiers_.find(notice); found != notifiers_.end())
        found->second->withdraw();
}

int QtPlatform::execModal(QDialog &dialog)
{
    return dialog.exec();
}

namespace {
// Documents carry no extension, so the dialogs show every file.
const QString kFilter = QStringLiteral("text (*)");
} // namespace

QString QtPlatform::chooseFile(const std::function<QString(const QString &folder)> &dialog)
{
    // The documents folder first, then wherever the user last went.
    if (lastFolder_.isEmpty())
        lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen = dialog(lastFolder_);
    if (!chosen.isEmpty())
        lastFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString QtPlatform::saveFileName(const QString &suggestedName)
{
    return chooseFile([&](const QString &folder) {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                            QDir(folder).filePath(suggestedName), kFilter);
    });
}

QString QtPlatform::openFileName()
{
    return chooseFile([&](const QString &folder) {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, kFilter);
    });
}

bool QtPlatform::printDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

Qt::KeyboardModifiers QtPlatform::keyboardModifiers()
{
    return QGuiApplication::queryKeyboardModifiers();
}

QStringList QtPlatform::installedFonts()
{
    return QFontDatabase::families();
}

QString QtPlatform::preferencesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString QtPlatform::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QList<QRect> QtPlatform::screens()
{
    QList<QRect> rooms;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        rooms.append(primary->availableGeometry());
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            rooms.append(screen->availableGeometry());
    return rooms;
}

bool QtPlatform::windowPositionKnown()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void QtPlatform::quit(int status)
{
    QCoreApplication::exit(status);
}

bool QtPlatform::claimInstance(const QByteArray &greeting, std::function<QByteArray(const QByteArray &request)> answer)
{
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return true;
    instance_ = std::make_unique<InstanceLock>(folder, std::move(answer));
    return instance_->claim(greeting);
}

std::optional<QByteArray> QtPlatform::askInstance(const QByteArray &request)
{
    const QString folder = dataFolder();
    return folder.isEmpty() ? std::nullopt : InstanceLock::ask(folder, request);
}

void QtPlatform::holdGlobalKey(QKeyCombination key, std::function<void(const QString &problem)> done)
{
    const auto pressed = [this](quint64 stampMs) {
        if (globalKeyPressed_)
            globalKeyPressed_(stampMs);
    };
    if (onX11()) {
        if (!x11Key_)
            x11Key_ = X11GlobalKey::make(pressed);
        done(x11Key_ ? x11Key_->hold(key) : QStringLiteral("le serveur X ne la donne pas"));
        return;
    }
    if (!portalKey_ && key != GlobalKey::kNone) {
        if (!PortalGlobalKey::available()) {
            done(QStringLiteral("ce bureau ne laisse pas un programme la prendre"));
            return;
        }
        portalKey_ = std::make_unique<PortalGlobalKey>(pressed);
    }
    if (portalKey_)
        portalKey_->hold(key, std::move(done));
    else
        done({});
}

void QtPlatform::onGlobalKey(std::function<void(quint64 stampMs)> handler)
{
    globalKeyPressed_ = std::move(handler);
}

QString QtPlatform::globalKeyUnavailable()
{
    if (onX11() || portalKey_ || PortalGlobalKey::available())
        return {};
    return QStringLiteral("Ce bureau ne laisse pas un programme prendre une touche quand un autre a le clavier : "
                          "associez la commande «\u00a0veltiming\u00a0--lap\u00a0» à une touche dans ses réglages de "
                          "raccourcis.");
}

void QtPlatform::onTermination(std::function<void()> handler)
{
    // Owned by the application, so the socket goes with its event loop.
    new TerminationSignals(std::move(handler), qApp);
}

void QtPlatform::onSessionEnd(std::function<bool(bool interactive)> handler)
{
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [handler](QSessionManager &manager) {
        // Asking for interaction is what lets the program show its questions.
        const bool interactive = manager.allowsInteraction();
        if (!handler(interactive))
            manager.cancel();
        if (interactive)
            manager.release();
    });
}

#pragma once

#include "platform/platform.h"

#include <QElapsedTimer>

#include <map>
#include <memory>

class Beeper;
class DesktopNotifier;
class InstanceLock;
class PortalGlobalKey;
class X11GlobalKey;
class QPluginLoader;

// The platform as the real program sees it, through Qt and the system clock.
class QtPlatform : public Platform {
public:
    // soundPlugin: where the plugin that plays the beep is, when not beside
    // the program or in its library folder.
    explicit QtPlatform(QString soundPlugin = {});
    ~QtPlatform() override;

    // Settings Qt reads when the application object is made; call before it.
    static void prepareEnvironment();
    // microseconds(), before there is a platform or an application object.
    static double bootClock();

    double microseconds() override;
    qint64 monotonicMilliseconds() override;
    QByteArray bootId() override;
    QDateTime now() override;
    void messageBox(const QString &text) override;
    void beep() override;
    void notify(Notice notice, const QString &summary, const QString &body) override;
    void withdrawNotification(Notice notice) override;
    void showProgress(std::optional<double> fraction) override;
    int execModal(QDialog &dialog) override;
    QString saveFileName(const QString &suggestedName) override;
    QString openFileName() override;
    bool printDialog(QPrinter &printer) override;
    Qt::KeyboardModifiers keyboardModifiers() override;
    QStringList installedFonts() override;
    QString preferencesFolder() override;
    QString dataFolder() override;
    QList<QRect> screens() override;
    bool windowPositionKnown() override;
    void quit(int status) override;
    bool claimInstance(const QByteArray &greeting,
                       std::function<QByteArray(const QByteArray &request)> answer) override;
    std::optional<QByteArray> askInstance(const QByteArray &request) override;
    void holdGlobalKey(QKeyCombination key, std::function<void(const QString &problem)> done) override;
    void onGlobalKey(std::function<void(quint64 stampMs)> handler) override;
    QString globalKeyUnavailable() override;
    void onTermination(std::function<void()> handler) override;
    void onSessionEnd(std::function<bool(bool interactive)> handler) override;

private:
    QString chooseFile(const std::function<QString(const QString &folder)> &dialog);

    QString soundPlugin_;
    // The sound plugin, loaded at the first beep, and its player.
    std::unique_ptr<QPluginLoader> sound_;
    Beeper *beeper_ = nullptr;
    std::map<Notice, std::unique_ptr<DesktopNotifier>> notifiers_;
    std::unique_ptr<InstanceLock> instance_;
    QString lastFolder_;
    QByteArray bootId_;
    // The progress shown on the taskbar entry, and when it was sent.
    bool progressShown_ = false;
    double progressFraction_ = 0;
    QElapsedTimer progressSent_;
    // The global key, held by the X server or the desktop's portal.
    std::unique_ptr<X11GlobalKey> x11Key_;
    std::unique_ptr<PortalGlobalKey> portalKey_;
    std::function<void(quint64 stampMs)> globalKeyPressed_;
};

#pragma once

#include "platform/platform.h"

#include <map>
#include <memory>

class BeepPlayer;
class DesktopNotifier;
class InstanceLock;

// The platform as the real program sees it, through Qt and the system clock.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // Settings Qt reads when the application object is made; call before it.
    static void prepareEnvironment();

    double microseconds() override;
    qint64 monotonicMilliseconds() override;
    QByteArray bootId() override;
    QDateTime now() override;
    void messageBox(const QString &text) override;
    void beep() override;
    void notify(Notice notice, const QString &summary, const QString &body) override;
    void withdrawNotification(Notice notice) override;
    int execModal(QDialog &dialog) override;
    QString saveFileName(const FileType &type, const QString &suggestedName) override;
    QString openFileName(const FileType &type) override;
    bool printDialog(QPrinter &printer) override;
    Qt::KeyboardModifiers keyboardModifiers() override;
    QStringList installedFonts() override;
    QString preferencesFolder() override;
    QString dataFolder() override;
    QList<QRect> screens() override;
    bool windowPositionKnown() override;
    std::optional<int> systemVersion() override;
    void quit(int status) override;
    bool claimInstance(std::function<void()> raise) override;
    void onTermination(std::function<void()> handler) override;
    void onSessionEnd(std::function<bool(bool interactive)> handler) override;

private:
    QString chooseFile(const std::function<QString(const QString &folder)> &dialog);

    std::unique_ptr<BeepPlayer> beeper_;
    std::map<Notice, std::unique_ptr<DesktopNotifier>> notifiers_;
    std::unique_ptr<InstanceLock> instance_;
    QString lastFolder_;
    QByteArray bootId_;
};

#include "platform/desktop_notifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}
} // namespace

DesktopNotifier::DesktopNotifier(QString icon, QObject *parent) : QObject(parent), icon_(std::move(icon)) {}

void DesktopNotifier::post(const QString &summary, const QString &body)
{
    withdraw();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // A service that reads markup in the body would take "Pâtes & <sauce>" for
    // it: the service says whether it does, and the body is escaped if so.
    const quint64 post = ++posts_;
    auto *asking = new QDBusPendingCallWatcher(bus.asyncCall(call(QStringLiteral("GetCapabilities"))), this);
    connect(asking, &QDBusPendingCallWatcher::finished, this, [=, this](QDBusPendingCallWatcher *answer) {
        answer->deleteLater();
        const QDBusPendingReply<QStringList> capabilities = *answer;
        // No service (the alert window still tells), or withdrawn before it was sent.
        if (capabilities.isError() || post != posts_)
            return;
        const bool markup = capabilities.value().contains(QStringLiteral("body-markup"));
        send(post, summary, markup ? body.toHtmlEscaped() : body);
    });
}

void DesktopNotifier::send(quint64 post, const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage notify = call(QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), icon_}};
    notify << QCoreApplication::applicationName() << uint(0) << icon_ << summary << body << QStringList() << hints
           << -1;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, post](QDBusPendingCallWatcher *answer) {
        answer->deleteLater();
        const QDBusPendingReply<uint> reply = *answer;
        if (reply.isError())
            return; // refused: the alert window still tells
        if (post == posts_)
            shown_ = reply.value();
        else
            close(reply.value()); // withdrawn before the service answered
    });
}

void DesktopNotifier::withdraw()
{
    ++posts_;
    if (shown_ != 0)
        close(std::exchange(shown_, 0));
}

void DesktopNotifier::close(uint id)
{
    QDBusMessage closing = call(QStringLiteral("CloseNotification"));
    closing << id;
    QDBusConnection::sessionBus().send(closing);
}

#include "platform/portal_global_key.h"

#include "core/global_key.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kShortcut = QStringLiteral("lap");

struct Shortcut {
    QString id;
    QVariantMap properties;
};
using Shortcuts = QList<Shortcut>;

QDBusArgument &operator<<(QDBusArgument &out, const Shortcut &shortcut)
{
    out.beginStructure();
    out << shortcut.id << shortcut.properties;
    out.endStructure();
    return out;
}

const QDBusArgument &operator>>(const QDBusArgument &in, Shortcut &shortcut)
{
    in.beginStructure();
    in >> shortcut.id >> shortcut.properties;
    in.endStructure();
    return in;
}
} // namespace

Q_DECLARE_METATYPE(Shortcut)

PortalGlobalKey::PortalGlobalKey(Pressed pressed, QObject *parent) : QObject(parent), pressed_(std::move(pressed))
{
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<Shortcuts>();
    QDBusConnection::sessionBus().connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                                          SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
}

bool PortalGlobalKey::available()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kInterface << QStringLiteral("version");
    return QDBusConnection::sessionBus().call(get, QDBus::Block, 2000).type() == QDBusMessage::ReplyMessage;
}

void PortalGlobalKey::hold(QKeyCombination key, Done done)
{
    if (done_) // a binding still waiting is given up
        finish(QStringLiteral("une autre touche a été choisie depuis"));
    if (key == GlobalKey::kNone) {
        closeSession(session_);
        session_.clear();
        done({});
        return;
    }
    key_ = key;
    done_ = std::move(done);
    opening_.clear();
    callWithAnswer(QStringLiteral("CreateSession"), {QVariantMap{{QStringLiteral("session_handle_token"),
                                                                  QStringLiteral("veltiming%1").arg(++tokens_)}}});
}

void PortalGlobalKey::callWithAnswer(const QString &method, QList<QVariant> arguments)
{
    stopListening();
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("veltiming%1").arg(++tokens_);
    // The answer's path is known before the call, so it cannot come before
    // the program listens for it.
    QString sender = bus.baseService().mid(1);
    requested_ = QStringLiteral("%1/request/%2/%3").arg(kPath, sender.replace('.', '_'), token);
    bus.connect(kService, requested_, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"),
                this, SLOT(answered(uint, QVariantMap)));
    QVariantMap options = arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    call.setArguments(arguments << options);
    const QString path = requested_;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        if (watcher->isError() && path == requested_)
            finish(QStringLiteral("le bureau ne l'a pas acceptée (%1)").arg(watcher->error().message()));
    });
}

void PortalGlobalKey::answered(uint response, const QVariantMap &results)
{
    if (!done_)
        return;
    if (response != 0) {
        finish(response == 1 ? QStringLiteral("elle a été refusée") : QStringLiteral("le bureau ne l'a pas accordée"));
        return;
    }
    if (opening_.isEmpty()) {
        // A text by the portal's description, an object path by some portals.
        const QVariant handle = results.value(QStringLiteral("session_handle"));
        opening_ = handle.metaType() == QMetaType::fromType<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                                               : handle.toString();
        if (opening_.isEmpty()) {
            finish(QStringLiteral("le bureau n'a pas ouvert de session"));
            return;
        }
        Shortcuts shortcuts{{kShortcut, {{QStringLiteral("description"), QStringLiteral("Prendre un intermédiaire")}}}};
        if (const QString trigger = GlobalKey::portalTrigger(key_); !trigger.isEmpty())
            shortcuts[0].properties.insert(QStringLiteral("preferred_trigger"), trigger);
        callWithAnswer(QStringLiteral("BindShortcuts"), {QVariant::fromValue(QDBusObjectPath(opening_)),
                                                         QVariant::fromValue(shortcuts), QString(), QVariantMap()});
        return;
    }
    closeSession(session_);
    session_ = opening_;
    opening_.clear();
    finish({});
}

void PortalGlobalKey::stopListening()
{
    if (requested_.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(kService, requested_, QStringLiteral("org.freedesktop.portal.Request"),
                                             QStringLiteral("Response"), this, SLOT(answered(uint, QVariantMap)));
    requested_.clear();
}

void PortalGlobalKey::finish(const QString &problem)
{
    stopListening();
    if (!problem.isEmpty())
        closeSession(opening_);
    opening_.clear();
    if (Done done = std::exchange(done_, nullptr))
        done(problem);
}

void PortalGlobalKey::closeSession(const QString &session)
{
    if (session.isEmpty())
        return;
    QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
        kService, session, QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Close")));
}

void PortalGlobalKey::activated(const QDBusObjectPath &session, const QString &shortcut, qulonglong timestamp,
                                const QVariantMap &)
{
    if (!session_.isEmpty() && session.path() == session_ && shortcut == kShortcut)
        pressed_(timestamp);
}

#pragma once

#include <QDBusObjectPath>
#include <QKeyCombination>
#include <QObject>
#include <QVariantMap>

#include <functional>

// The global key where the desktop's portal offers global shortcuts
// (Wayland): a session of the portal binds the key, which the desktop may
// let the user change, and tells each press with its time.
class PortalGlobalKey : public QObject {
    Q_OBJECT
public:
    using Pressed = std::function<void(quint64 stampMs)>;
    using Done = std::function<void(const QString &problem)>;
    explicit PortalGlobalKey(Pressed pressed, QObject *parent = nullptr);

    // Whether the session bus has a portal that offers them.
    static bool available();
    // Binds the key in a new session, which replaces the one held once the
    // desktop grants it; an empty key ends the one held. `done` is told why
    // the desktop did not grant it, or an empty text.
    void hold(QKeyCombination key, Done done);

private slots:
    void answered(uint response, const QVariantMap &results);
    void activated(const QDBusObjectPath &session, const QString &shortcut, qulonglong timestamp,
                   const QVariantMap &options);

private:
    // Calls a method of the portal whose answer comes as a request's signal.
    void callWithAnswer(const QString &method, QList<QVariant> arguments);
    void stopListening();
    void closeSession(const QString &session);
    void finish(const QString &problem);

    Pressed pressed_;
    QString session_;   // the session whose key is held; empty for none
    QString opening_;   // the session being bound
    QString requested_; // the request whose answer is awaited
    QKeyCombination key_;
    Done done_;
    quint64 tokens_ = 0;
};

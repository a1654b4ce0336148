#pragma once

#include <QLabel>

// One line of warning in a window, shown while there is something to warn
// of: cut in the middle to the line's width, and read whole in its help tag
// and by screen readers.
class WarningLine : public QLabel {
    Q_OBJECT
public:
    explicit WarningLine(QWidget *parent = nullptr);
    // Empty hides the line.
    void setMessage(const QString &message);
    QString message() const { return message_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();
    QString message_;
};

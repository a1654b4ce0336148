#include "fake_platform.h"

#include <QDialog>

FakePlatform::FakePlatform() : now_(QDate(2026, 12, 6), QTime(14, 2, 11)) {}

void FakePlatform::advance(double seconds)
{
    micros_ += seconds * 1000000.0;
    now_ = now_.addMSecs(qint64(seconds * 1000.0));
}

int FakePlatform::execModal(QDialog &dialog)
{
    if (dialogScripts.isEmpty()) {
        dialog.hide();
        return QDialog::Rejected;
    }
    dialog.show();
    dialogScripts.dequeue()(dialog);
    dialog.hide();
    return dialog.result();
}

QString FakePlatform::saveFileName(const QString &suggestedName)
{
    suggestedNames.append(suggestedName);
    return fileName(saveAnswers);
}

QString FakePlatform::openFileName()
{
    return fileName(openAnswers);
}

QString FakePlatform::fileName(QQueue<QString> &answers)
{
    ++fileDialogs;
    if (inFileDialog)
        std::exchange(inFileDialog, nullptr)();
    return answers.isEmpty() ? QString() : answers.dequeue();
}

bool FakePlatform::printDialog(QPrinter &printer)
{
    return printScripts.isEmpty() ? false : printScripts.dequeue()(printer);
}

#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>

void WriteTestTable(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("[1]\nDescription=ASCII\nMAX=0x7F\n\n[2]\nDescription=Three\nMAX=2\n0=0x41\n1=0x42\n2=0x43\n");
}

void ExpectShownWhole(const QWidget* control, const QWidget* page)
{
    EXPECT_GE(control->width(), control->sizeHint().width()) << control->objectName().toStdString();
    ExpectInside(control, page);
}

void ExpectInside(const QWidget* control, const QWidget* page)
{
    for (const QWidget* inner = control; inner != page; inner = inner->parentWidget())
        EXPECT_TRUE(inner->parentWidget()->rect().contains(inner->geometry()))
            << control->objectName().toStdString() << " sticks out of " << inner->parentWidget()->objectName().toStdString();
}

void AnswerNextDialog(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start();
}

TWindowFixture::TWindowFixture(bool withTable)
{
    auto dialogs = std::make_unique<TScriptedDialogs>();
    Dialogs = dialogs.get();
    Open(withTable, std::move(dialogs));
}

TWindowFixture::TWindowFixture(std::unique_ptr<TDialogSeam> dialogs)
{
    Open(true, std::move(dialogs));
}

void TWindowFixture::Open(bool withTable, std::unique_ptr<TDialogSeam> dialogs)
{
    const QString table = Path(QStringLiteral("glyphforgetool.ini"));
    if (withTable)
        WriteTestTable(table);
    Window = std::make_unique<TfrmMain>(table, std::move(dialogs));
    Window->show();
    QApplication::processEvents();
}

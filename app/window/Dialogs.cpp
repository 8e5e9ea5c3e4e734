// Message boxes with QMessageBox.
#include "app/window/Dialogs.h"

#include "app/window/UiTexts.h"

#include <QMessageBox>
#include <QPushButton>

namespace qv {

namespace {

// A message with one "确定" button, in Chinese whether or not Qt's own translations are installed.
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    box.setEscapeButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    box.exec();
}

} // namespace

void MessageBoxDialogs::Error(QWidget* parent, const QString& caption, const QString& text)
{
    ShowMessage(parent, QMessageBox::Critical, caption, text);
}

void MessageBoxDialogs::Information(QWidget* parent, const QString& caption, const QString& text)
{
    ShowMessage(parent, QMessageBox::Information, caption, text);
}

TSaveAnswer MessageBoxDialogs::AskSaveChanges(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, kAppTitle, QStringLiteral("数据已修改，是否保存?"), QMessageBox::NoButton,
                    parent);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return TSaveAnswer::Save;
    if (box.clickedButton() == discard)
        return TSaveAnswer::Discard;
    return TSaveAnswer::Cancel;
}

} // namespace qv

// The first-run prompt's layout and its one button.
#include "app/window/UserForm.h"

#include "app/window/WebPages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

TUserForm::TUserForm(const QString& webBase, QWidget* parent) : QDialog(parent), m_webBase(webBase)
{
    setObjectName(QStringLiteral("TUserForm"));
    setWindowTitle(QStringLiteral("用户资料收集"));
    setFixedSize(372, 156);

    auto* prompt = new QLabel(QStringLiteral("您的Email地址:"), this);
    prompt->setObjectName(QStringLiteral("StaticText1"));
    m_email = new QLineEdit(this);
    m_email->setObjectName(QStringLiteral("Txt_Email"));
    auto* note = new QLabel(QStringLiteral("主要是为了方便您收到本软件的升级通知!\n"
                                           "如果您不想留下邮件地址,可以继续下一步,系统将不再提示"),
                            this);
    note->setObjectName(QStringLiteral("Memo1"));
    note->setStyleSheet(QStringLiteral("color: blue;"));
    note->setWordWrap(true);
    auto* submit = new QPushButton(QStringLiteral("继续"), this);
    submit->setObjectName(QStringLiteral("Cmd_Submit"));
    submit->setDefault(true);
    connect(submit, &QPushButton::clicked, this, &TUserForm::Cmd_SubmitClick);

    auto* layout = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(prompt);
    line->addWidget(m_email, 1);
    layout->addLayout(line);
    layout->addWidget(note);
    layout->addStretch();
    layout->addWidget(submit, 0, Qt::AlignRight);
}

void TUserForm::Cmd_SubmitClick()
{
    const QString typed = m_email->text();
    if (!typed.trimmed().isEmpty())
        OpenWebPage(RegistrationUrl(m_webBase, typed));
    accept();
}

} // namespace qv

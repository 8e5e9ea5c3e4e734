// TUserForm: the first-run prompt for the user's e-mail address.
#pragma once

#include <QDialog>

class QLineEdit;

namespace qv {

// "用户资料收集": an address edit, a note and "继续". A non-blank address opens the registration page under base
// with the address as typed; "继续" always closes the dialog.
class TUserForm : public QDialog {
public:
    TUserForm(const QString& webBase, QWidget* parent = nullptr);

    void Cmd_SubmitClick();

private:
    QString m_webBase;
    QLineEdit* m_email; // child
};

} // namespace qv

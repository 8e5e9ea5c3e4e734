// The web pages the program opens, and the first-run prompt that is shown once per user.
#include "WindowTestSupport.h"

#include "app/window/UserForm.h"
#include "app/window/WebPages.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace qv::test {
namespace {

class WebPages : public WindowFixture {
protected:
    TUserForm* OpenPrompt()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form = dynamic_cast<TUserForm*>(widget); form && form->isVisible())
                return form;
        return nullptr;
    }
    UrlCatcher m_urls;
};

TEST(WebAddresses, PagesHangOffTheBaseAndTheAddressIsEncodedAsTyped)
{
    const QString base = QStringLiteral("https://example.org");
    EXPECT_EQ(WebPageUrl(base, TWebPage::Help).toString(), QStringLiteral("https://example.org/help.asp"));
    EXPECT_EQ(WebPageUrl(base, TWebPage::DuPont).toString(), QStringLiteral("https://example.org/dupont.asp"));
    EXPECT_EQ(RegistrationUrl(base, QStringLiteral(" a&b+c@d.cn ")).toEncoded(),
              QByteArray("https://example.org/registeruser.asp?mail=%20a%26b%2Bc%40d.cn%20_v1.15"));
    EXPECT_EQ(RegistrationUrl(base, QStringLiteral("张三@例子.cn")).query(QUrl::FullyDecoded),
              QStringLiteral("mail=张三@例子.cn_v1.15"));
}

TEST_F(WebPages, TheHelpMenuAndTheDuPontButtonOpenTheirPages)
{
    Start();
    m_window->findChild<QAction*>(QStringLiteral("Menu_Help"))->trigger();
    Button("Cmd_DuPontShow").click();
    ASSERT_EQ(m_urls.Urls.size(), 2u);
    EXPECT_EQ(m_urls.Urls[0], WebPageUrl(kDefaultWebBase, TWebPage::Help));
    EXPECT_EQ(m_urls.Urls[1], WebPageUrl(kDefaultWebBase, TWebPage::DuPont));
}

TEST_F(WebPages, TheFirstRunPromptShowsOnceAndRegistersATypedAddress)
{
    Start(TFirstRunPrompt::Ask);
    TUserForm* form = OpenPrompt();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("用户资料收集"));
    EXPECT_TRUE(m_settings->HasFirstRunMarker()) << "written before the prompt opened";
    form->findChild<QLineEdit*>(QStringLiteral("Txt_Email"))->setText(QStringLiteral(" me@example.cn"));
    form->findChild<QAbstractButton*>(QStringLiteral("Cmd_Submit"))->click();
    ASSERT_EQ(m_urls.Urls.size(), 1u);
    EXPECT_EQ(m_urls.Urls[0], RegistrationUrl(kDefaultWebBase, QStringLiteral(" me@example.cn")));
    QTest::qWait(20);
    EXPECT_EQ(OpenPrompt(), nullptr);

    Stop();
    Start(TFirstRunPrompt::Ask);
    EXPECT_EQ(OpenPrompt(), nullptr);
}

TEST_F(WebPages, ABlankAddressOpensNothing)
{
    Start(TFirstRunPrompt::Ask);
    TUserForm* form = OpenPrompt();
    ASSERT_NE(form, nullptr);
    form->findChild<QLineEdit*>(QStringLiteral("Txt_Email"))->setText(QStringLiteral("   "));
    form->findChild<QAbstractButton*>(QStringLiteral("Cmd_Submit"))->click();
    EXPECT_TRUE(m_urls.Urls.empty());
}

TEST_F(WebPages, SettingsThatCannotBeWrittenSkipThePromptSilently)
{
    WriteBytes(m_config / "file", "not a directory");
    m_settings = std::make_unique<UserSettings>(QString::fromStdString((m_config / "file" / "quorvane.ini").string()));
    Start(TFirstRunPrompt::Ask);
    EXPECT_EQ(OpenPrompt(), nullptr);
    EXPECT_TRUE(m_dialogs.Boxes.empty());
}

TEST_F(WebPages, TheOptionSkipsThePrompt)
{
    Start(TFirstRunPrompt::Skip);
    EXPECT_EQ(OpenPrompt(), nullptr);
    EXPECT_FALSE(m_settings->HasFirstRunMarker());
}

} // namespace
} // namespace qv::test

#include <ostream>

#include <gtest/gtest.h>

#include "linkopener.h"

namespace {

// "%75" decodes to "u": a url holding it must not be expanded a second time.
const QString url = QStringLiteral("https://www.example.com/a%75?b=1&c=2");

struct ExecCase {
    const char *exec;
    QStringList command;
};

void PrintTo(const ExecCase &c, std::ostream *out) {
    *out << "Exec=" << c.exec;
}

class DesktopExecCommandTest : public testing::TestWithParam<ExecCase> {};

TEST_P(DesktopExecCommandTest, ExpandsFieldCodesAndQuoting) {
    const ExecCase &c = GetParam();
    EXPECT_EQ(desktopExecCommand(QString::fromUtf8(c.exec), url), c.command);
}

INSTANTIATE_TEST_SUITE_P(
    ExecLines, DesktopExecCommandTest,
    testing::Values(
        ExecCase{"firefox-esr %u", {"firefox-esr", url}},
        ExecCase{"chromium %U", {"chromium", url}},
        ExecCase{"browser --new-window %f", {"browser", "--new-window", url}},
        ExecCase{"browser %F", {"browser", url}},
        // Without a field code for it the url is appended.
        ExecCase{"epiphany", {"epiphany", url}},
        ExecCase{"browser   --private    %u  ", {"browser", "--private", url}},
        // Other field codes vanish, with the argument they made up.
        ExecCase{"browser %i --name %c %k %u", {"browser", "--name", url}},
        ExecCase{"browser --open=%u", {"browser", "--open=" + url}},
        ExecCase{"browser 100%% %u", {"browser", "100%", url}},
        ExecCase{"browser 5%x %u", {"browser", "5", url}},
        ExecCase{"browser 100%", {"browser", "100%", url}},
        // Quoted arguments keep their spaces; a backslash escapes " ` $ and \ inside them.
        ExecCase{"\"/opt/My Browser/browser\" %u", {"/opt/My Browser/browser", url}},
        ExecCase{R"(run "say \"hi\" \$HOME \`x\`" %u)", {"run", R"(say "hi" $HOME `x`)", url}},
        ExecCase{"browser \"\" %u", {"browser", "", url}},
        // The file's own escapes come first: \\\\ in the file is one backslash in the argument.
        ExecCase{R"("C:\\\\Browser" %u)", {R"(C:\Browser)", url}},
        ExecCase{R"(browser\s--private %u)", {"browser", "--private", url}},
        // Malformed or empty commands give nothing to start.
        ExecCase{"\"browser %u", {}}, ExecCase{"", {}}, ExecCase{"%i %c", {}}));

}  // namespace

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The application object the editor's window needs, made once for the whole test run.
class QtApplication : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_mission_editor";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr) {
            new QApplication(argc, argv);
        }
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace

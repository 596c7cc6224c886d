// The calculator windows of this family: fields, start texts, Enter chains,
// result labels and failures through the window itself.
#include <QTest>

#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

class EFamilyWindowsTest : public QObject {
    Q_OBJECT
};

FERRICALC_WINDOW_TEST_MAIN(EFamilyWindowsTest)
#include "e_family_windows_test.moc"

// The about window: which selections open it, that there is only ever one,
// and how it closes.
#include <QTest>

#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

class AboutWindowTest : public QObject {
    Q_OBJECT
};

FERRICALC_WINDOW_TEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"

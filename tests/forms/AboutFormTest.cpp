#include "TestMain.h"
class AboutFormTest : public QObject { Q_OBJECT };
SORIKA_TEST_MAIN(AboutFormTest)
#include "AboutFormTest.moc"

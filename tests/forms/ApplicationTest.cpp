#include "TestMain.h"
class ApplicationTest : public QObject { Q_OBJECT };
SORIKA_TEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"

#include "TestMain.h"
class MessageBoxesTest : public QObject { Q_OBJECT };
SORIKA_TEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"

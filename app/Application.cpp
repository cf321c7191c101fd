#include "app/Application.h"

#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/Dialogs.h"
#include "forms/MessageBoxes.h"

namespace {

int& ArgumentCount() {
    static int count = 1;
    return count;
}

char** Arguments(char* programName) {
    static char* arguments[] = {programName, nullptr};
    return arguments;
}

} // namespace

TApplication::TApplication(char* programName)
    : QApplication(ArgumentCount(), Arguments(programName)) {
    // The forms name the Windows face they were drawn with; Debian's Japanese Gothic faces
    // take its place.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    // Message box buttons speak Japanese whatever the locale.
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    setWindowIcon(QIcon(QStringLiteral(":/sorika.xpm")));
}

TApplication::~TApplication() { mainForm_.reset(); }

void TApplication::SetTitle(const sorika::Text& title) {
    // The name, not the display name: Qt would append a display name to every window title.
    setApplicationName(QString::fromStdString(title));
}

sorika::Text TApplication::Title() const { return applicationName().toStdString(); }

void TApplication::Run() {
    mainForm_->show();
    exec();
}

void TApplication::ShowException(const std::exception& exception) {
    QtDialogs dialogs;
    sorika::ShowException(dialogs, Title(), exception.what());
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    // Qt lets no exception pass through its event loop: show it here, and go on.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& exception) {
        ShowException(exception);
        return false;
    }
}

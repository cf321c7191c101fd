#include "app/Entry.h"
#include "forms/Main.h"

int main(int, char** argv) {
    TApplication application(argv[0]);
    return EntryProcedure(application, MainForm);
}

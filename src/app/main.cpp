// Kvilo: looks up Russian companies and sole traders in the state registers.
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Tarvelo");
    QApplication::setApplicationName("EGRUL");
    return 0;
}

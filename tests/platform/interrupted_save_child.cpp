// The child of the interrupted-save test: saves one of the two large drawings
// over the file the way the sheet saves a drawing, and is killed while it does.
#include "atomic_file.h"
#include "large_drawing.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    const std::string text = LargeDrawingText(std::atoi(argv[2]));
    // The parent starts its clock when the text is ready and the write begins.
    std::fputs("writing\n", stdout);
    std::fflush(stdout);
    return WriteFileAtomically(QString::fromLocal8Bit(argv[1]), text) ? 0 : 1;
}

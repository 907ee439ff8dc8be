// Builds the sample wizard files from their readable sources:
//   wizardgen <source directory> <wizards directory>
// Every "*.wiz" source becomes "<wizard name>.vwz", written by Velmora's own
// wizard writer so the files are exactly what Velmora itself would save.
#include <cstdio>

#include <QFile>
#include <QString>
#include <QStringList>

#include "platform/Paths.h"
#include "wizards/WizardSource.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wizardgen <source directory> <wizards directory>\n");
        return 2;
    }
    const QString sourceDir = Paths::WithTrailingSeparator(QFile::decodeName(argv[1]));
    const QString wizardsDir = Paths::WithTrailingSeparator(QFile::decodeName(argv[2]));
    QStringList written;
    QString error;
    if (!GenerateWizardFiles(sourceDir, wizardsDir, written, error)) {
        std::fprintf(stderr, "wizardgen: %s\n", qPrintable(error));
        return 1;
    }
    for (const QString& name : written) std::printf("%s\n", qPrintable(wizardsDir + name));
    return 0;
}

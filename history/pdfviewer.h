#ifndef PDFVIEWER_H
#define PDFVIEWER_H

#include <QString>

class QWidget;

// Opens a saved report in the desktop's PDF viewer (QDesktopServices). A file that is
// no longer where it was saved, or that no viewer takes, is said in a warning over
// parent, naming the file, and logged. Returns whether a viewer was started.
namespace PdfViewer {
bool open(QWidget *parent, const QString &fileName);
}

#endif // PDFVIEWER_H

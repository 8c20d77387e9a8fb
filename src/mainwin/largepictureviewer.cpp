#include "mainwin/largepictureviewer.h"

#include "catalog/errorreporter.h"
#include "mainwin/mainview.h"

bool showLargePictureOrReport(ILargePictureViewer& viewer, IMainView& view, const QString& caption,
                              const QString& mediaPath, ErrorReporter& reporter, const QString& errorCode)
{
    viewer.prepare();
    viewer.setCaption(caption);
    if (mediaPath.isEmpty() || !viewer.loadPicture(mediaPath)) {
        viewer.unload();
        view.setBusy(false);
        reporter.report(errorCode);
        return false;
    }
    viewer.finishShowing();
    view.setBusy(false);
    return true;
}

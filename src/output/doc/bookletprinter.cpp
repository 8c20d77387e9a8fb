#include "output/doc/bookletprinter.h"

#include <QImage>
#include <QTextDocument>

#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "output/doc/onejobprinter.h"
#include "output/doc/printrichtext.h"
#include "viewers/doc/richtextdocument.h"

namespace {
constexpr int kClipArtWidth = 6 * 96; // pixels at the printer port's 96 to the inch
} // namespace

BookletPrinter::Result BookletPrinter::print(const BookletPlan& plan)
{
    Result result;
    OneJobPrinter job(m_printer, kJobName);
    const BookletStep* previous = nullptr;
    for (const BookletStep& step : plan.steps) {
        // Each section begins on a page of its own; the cover's pictures share one page.
        const bool sectionStart = !previous || previous->section != step.section ||
                                  previous->kind == BookletStep::Kind::PageBreak ||
                                  step.section == BookletSection::ClipArt;
        previous = &step;
        bool done = false;
        const QString mediaPath = step.path.in(m_roots);
        switch (step.kind) {
        case BookletStep::Kind::PageBreak:
            job.newPage();
            done = true;
            break;
        case BookletStep::Kind::Picture: {
            const auto path = m_files.resolve(mediaPath);
            QImage picture;
            if (path && picture.load(*path) &&
                (sectionStart || !job.started() ? job.startJob(kJobName) : true)) {
                // Clip art fills six inches of the page's width; the cover keeps its pictures' own sizes.
                if (step.section == BookletSection::ClipArt && picture.width() < kClipArtWidth)
                    picture = picture.scaledToWidth(kClipArtWidth, Qt::SmoothTransformation);
                job.drawPicture(picture, step.left, step.top);
                done = true;
            }
            break;
        }
        case BookletStep::Kind::Document: {
            const auto path = m_files.resolve(mediaPath);
            QTextDocument document;
            if (path && loadRichTextFile(*path, document))
                done = PrintRichText(job, document, 1440, 1440, 1440, 1440);
            break;
        }
        }
        if (!done) {
            result.ok = false;
            result.failedFile = mediaPath;
            break;
        }
        ++result.stepsDone;
    }
    if (!job.finish())
        result.ok = false;
    return result;
}

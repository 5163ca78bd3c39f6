#include "cli/CliContext.h"

#include "sheet/SheetPages.h"
#include "sheet/SheetReading.h"

namespace tessra {

int RunRead(CliContext& context)
{
    ReadingOptions options;
    options.braille = context.parser.isSet("braille");
    options.plain = context.parser.isSet("plain");
    if (options.braille && options.plain)
        return UsageError(context, QStringLiteral("--braille and --plain cannot be used together."));
    if (context.parser.isSet("label")) {
        int label = 0;
        int exitCode = kExitOk;
        if (!WholeNumberOption(context, "label", label, exitCode)) return exitCode;
        const SheetPlan plan = PlanSheets(context.state);
        const long long labels = plan.labelsPerSheet * plan.sheets;
        if (label < 1 || label > labels)
            return UsageError(context, QStringLiteral("--label must lie between 1 and %1.").arg(labels));
        options.onlyLabel = label - 1;
    }
    WriteSheetReading(context.streams.out, context.state, options);
    return kExitOk;
}

}  // namespace tessra

#include "console/BatchCommand.h"

#include "console/AirFile.h"
#include "console/CommandLineRequest.h"
#include "console/ProgressLines.h"
#include "kneeboard/PlayerBatch.h"

#include <QTextStream>

int runBatch(const CommandLineRequest &request, QTextStream &out)
{
    PlayerBatch batch(request.command == CommandLineRequest::Command::Install ? PlayerBatch::Work::Install
                                                                              : PlayerBatch::Work::Remove,
                      request.choices);
    ProgressLines progress(out, request.paths.size());
    for (const QString &argument : request.paths) {
        const AirFile air = airFileOf(argument);
        progress.print(argument,
                       (air.problem.isEmpty() ? batch.run(air.path) : batch.refuse(air.problem)).text);
    }
    out << batch.headline(request.paths.size()) << Qt::endl;
    return batch.failedCount() > 0 ? 1 : 0;
}

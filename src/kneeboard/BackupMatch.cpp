#include "kneeboard/BackupMatch.h"

#include "kneeboard/CfgRewrite.h"

bool installsMake(const QList<SectionInstalls> &installs, const QByteArray &backup, const QByteArray &cfg)
{
    int rounds = 0;
    for (const SectionInstalls &section : installs)
        rounds += section.times;
    QList<QByteArray> reached{backup};
    for (int round = 0; round < rounds; ++round) {
        QList<QByteArray> next;
        for (const QByteArray &from : reached) {
            for (const SectionInstalls &section : installs) {
                const QByteArray installed =
                    rewriteCfg(installPass(section.section, from), from, section.pageStem);
                if (installed == cfg)
                    return true;
                if (!next.contains(installed))
                    next.append(installed);
            }
        }
        reached = next;
    }
    return false;
}

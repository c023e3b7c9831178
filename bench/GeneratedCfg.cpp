#include "GeneratedCfg.h"

#include <QList>

namespace {

// One variation and a share of the flight model: 40 lines.
QList<QByteArray> block(int n)
{
    const QByteArray i = QByteArray::number(n);
    return {
        "[fltsim." + i + "]",
        "title=Cessna Skyhawk SP Paint" + i,
        "sim=Cessna172SP",
        "model=",
        "panel=",
        "sound=",
        "texture=" + i,
        "kb_checklists=Cessna172SP_check",
        "atc_id=N" + QByteArray::number(10000 + n % 90000) + "SP",
        "atc_airline=",
        "atc_flight_number=",
        "ui_manufacturer=Cessna",
        "ui_type=C172SP Skyhawk",
        "ui_variation=Paint " + i,
        "description=The Cessna 172 Skyhawk is the most popular single-engine aircraft ever "
        "built, and a favourite of flight schools the world over; variation "
            + i + ".",
        "",
        "[contact_points." + i + "]",
        "point.0=1, -3.28, 0.00, -3.81, 1574.8, 0, 0.49, 40.0, 0.25, 2.5, 0.73, 4.0, 4.0, 0, 0, 0",
        "point.1=1, 3.05, -2.70, -3.60, 1574.8, 1, 0.49, 0.0, 0.25, 2.5, 0.73, 5.0, 5.0, 2, 0, 0",
        "point.2=1, 3.05, 2.70, -3.60, 1574.8, 2, 0.49, 0.0, 0.25, 2.5, 0.73, 5.0, 5.0, 3, 0, 0",
        "static_pitch=0.4",
        "static_cg_height=3.25",
        "",
        "[flight_tuning." + i + "]",
        "cruise_lift_scalar=1.0",
        "parasite_drag_scalar=1.0",
        "induced_drag_scalar=1.0",
        "elevator_effectiveness=1.0",
        "aileron_effectiveness=1.0",
        "rudder_effectiveness=1.0",
        "pitch_stability=1.0",
        "roll_stability=1.0",
        "yaw_stability=1.0",
        "// Tuned for version 1.50 of the panel",
        "",
        "[GeneralEngineData." + i + "]",
        "engine_type=0",
        "Engine.0=-2.50, 0.00, 0.00",
        "fuel_flow_scalar=1.0",
        "min_throttle_limit=0.0",
    };
}

} // namespace

QByteArray realisticCfg(int lines)
{
    QByteArray cfg;
    cfg.reserve(qsizetype(lines) * 40);
    int written = 0;
    for (int n = 0; written < lines; ++n) {
        for (const QByteArray &line : block(n)) {
            if (written == lines)
                break;
            cfg += line;
            cfg += "\r\n";
            ++written;
        }
    }
    return cfg;
}

int checklistLines(int lines)
{
    const int blockLines = 40;
    const int checklistIndex = 7;
    return lines / blockLines + (lines % blockLines > checklistIndex ? 1 : 0);
}

#include "TrafficCollection.h"

#include "BenchSupport.h"
#include "kneeboard/PlayerPage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include <unistd.h>

namespace {

const QList<QByteArray> manufacturers = {"Airbus",
                                         "ATR",
                                         "BAe",
                                         "Beechcraft",
                                         "Boeing",
                                         "Bombardier",
                                         "Cessna",
                                         "de Havilland Canada",
                                         "Dornier",
                                         "Embraer",
                                         "Fairchild",
                                         "Fokker",
                                         "Ilyushin",
                                         "Lockheed",
                                         "McDonnell Douglas",
                                         "Piper",
                                         "Saab",
                                         "Shorts",
                                         "Tupolev",
                                         "Yakovlev"};
const QList<QByteArray> airlines = {"Aer Lingus", "Air Canada", "Alitalia", "British Airways", "Delta",
                                    "easyJet",    "Iberia",     "KLM",      "Lufthansa",       "Qantas",
                                    "Ryanair",    "SAS",        "TAP",      "United",          "Virgin"};

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        benchFailure(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

void makeFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        benchFailure(QStringLiteral("cannot make the folder %1").arg(path));
}

QByteArray thumbnailJpeg()
{
    QImage image(180, 90, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG"))
        benchFailure(QStringLiteral("cannot make a JPEG thumbnail"));
    return bytes;
}

// The aircraft.cfg of aircraft `n`, named `name`, with `variations` liveries.
QByteArray cfgOf(int n, const QByteArray &name, int variations, const QByteArray &entries)
{
    const QByteArray manufacturer = manufacturers[(n * 7) % manufacturers.size()];
    const QByteArray quoted = n % 2 ? '"' + manufacturer + '"' : manufacturer;
    // Titles that do not follow the folders' order, as a package's do.
    const QByteArray type = QByteArray::number((n * 7919) % 9973);
    QByteArray cfg;
    for (int v = 0; v < variations; ++v) {
        const QByteArray i = QByteArray::number(v);
        const QByteArray airline = airlines[(n + v) % airlines.size()];
        cfg += "[fltsim." + i + "]\r\ntitle=AI " + manufacturer + ' ' + type + ' ' + airline + "\r\nsim="
            + name + "\r\nmodel=\r\npanel=\r\nsound=\r\ntexture=" + i + "\r\natc_airline=" + airline
            + "\r\natc_flight_number=" + QByteArray::number(100 + v) + "\r\natc_heavy=0\r\natc_id=N" + type
            + i + "\r\natc_parking_types=GATE,RAMP\r\natc_parking_codes=" + airline.left(3).toUpper()
            + "\r\nui_manufacturer=" + quoted + "\r\nui_type=" + type + "\r\nui_variation=" + airline
            + "\r\ndescription=" + airline + " livery of the " + manufacturer + ' ' + type
            + ", repainted for AI traffic.\r\n" + entries + "\r\n";
    }
    cfg += "[General]\r\natc_type=" + manufacturer.toUpper() + "\r\natc_model=" + type
        + "\r\nperformance=Cruise speed 450 kts\r\ncategory=airplane\r\n\r\n"
          "[WEIGHT_AND_BALANCE]\r\nmax_gross_weight=174200\r\nempty_weight=91300\r\n"
          "reference_datum_position=0.0, 0.0, 0.0\r\nempty_weight_CG_position=-4.5, 0.0, 0.0\r\n"
          "max_number_of_stations=50\r\nstation_load.0=\"170, 32.0, -1.5, 0.0, Pilot\"\r\n\r\n"
          "[contact_points]\r\npoint.0=1, 43.5, 0.0, -9.8, 1800, 0, 1.2, 70.0, 0.6, 2.5, 0.78, 12.0, "
          "12.0, 0, 220.0, 250.0\r\npoint.1=1, -5.2, -9.5, -9.8, 1800, 1, 1.5, 0.0, 1.2, 2.5, 0.78, 10.0, "
          "10.0, 2, 220.0, 250.0\r\nstatic_pitch=0.0\r\nstatic_cg_height=9.8\r\n\r\n"
          "[GeneralEngineData]\r\nengine_type=1\r\nEngine.0=-3.5, -16.0, -3.5\r\nEngine.1=-3.5, 16.0, "
          "-3.5\r\nfuel_flow_scalar=1.0\r\nmin_throttle_limit=-0.25\r\n\r\n"
          "[flight_tuning]\r\ncruise_lift_scalar=1.0\r\nparasite_drag_scalar=1.0\r\n"
          "induced_drag_scalar=1.0\r\nelevator_effectiveness=1.0\r\naileron_effectiveness=1.0\r\n"
          "rudder_effectiveness=1.0\r\npitch_stability=1.0\r\nroll_stability=1.0\r\nyaw_stability=1.0\r\n";
    return cfg;
}

QString makeCollection()
{
    const QString folder = benchFolder(QStringLiteral("traffic"));
    const QByteArray thumbnail = thumbnailJpeg();
    const QByteArray player = "<html><body><p>Checklist</p>\r\n" + buildPlayerPage() + "\r\n</body></html>";
    const QByteArray notes = QByteArray("<html><body><p>Reference</p></body></html>").repeated(20);
    for (int n = 0; n < trafficAircraftCount; ++n) {
        const QByteArray airline = airlines[n % airlines.size()];
        const QByteArray name = "AI_" + QByteArray::number(n);
        const QString aircraft =
            folder + QStringLiteral("/AI %1/%2").arg(QString::fromLatin1(airline), QString::fromLatin1(name));
        const QString file = aircraft + QLatin1Char('/') + QString::fromLatin1(name);
        const int variations = 4 + n % 5;
        makeFolder(aircraft + QStringLiteral("/model"));
        QByteArray entries;
        if (n % 3 == 0) {
            entries += "kb_checklists=" + name + "_check\r\n";
            write(file + QStringLiteral("_check.htm"), player);
        } else if (n % 3 == 1) {
            entries += "kb_reference=" + name + "_ref\r\n";
            write(file + QStringLiteral("_ref.htm"), notes);
        }
        if (n % 7 == 0)
            entries += "kb_reference=missing_ref\r\n";
        write(file + QStringLiteral(".air"), QByteArray(4096, '\x01'));
        write(aircraft + QStringLiteral("/aircraft.cfg"), cfgOf(n, name, variations, entries));
        write(aircraft + QStringLiteral("/model/model.cfg"), "[models]\r\nnormal=" + name + "\r\n");
        write(aircraft + QStringLiteral("/model/") + QString::fromLatin1(name) + QStringLiteral(".mdl"),
              QByteArray(8192, '\x02'));
        for (int v = 0; v < variations; ++v) {
            const QString texture = aircraft + QStringLiteral("/texture.%1").arg(v);
            makeFolder(texture);
            write(texture + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral("_t.bmp"),
                  QByteArray(2048, '\x03'));
            if (v == 0)
                write(texture + QStringLiteral("/thumbnail.jpg"), thumbnail);
        }
    }
    ::sync();
    return folder;
}

} // namespace

QString trafficCollection()
{
    static const QString folder = makeCollection();
    return folder;
}

int trafficWithPlayer()
{
    return (trafficAircraftCount + 2) / 3;
}

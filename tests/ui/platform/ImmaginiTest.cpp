// The built-in pictures and icons: every toolbar command and championship has
// an icon that draws, the pictures of the start-up are there, and a missing
// or damaged picture is noticed.
#include "platform/Immagini.h"

#include "dati/Campionati.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

// The main toolbar's commands.
const int kComandiBarra[] = {40004, 40003, 40063, 40020, 40021, 40117, 40148, 40201, 40098, 40085,
                             40072, 40009, 40014, 40015, 40061, 40028, 40122, 40059, 40134,
                             40089, 40060, 40139, 40140, 40141, 40150, 40151, 40084, 40001};

// Share of pixels that are not transparent.
double Coperti(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 0;
    return double(n) / (img.width() * img.height());
}

TEST(Immagini, OgniComandoHaUnaSuaIcona) {
    std::vector<int> comandi(std::begin(kComandiBarra), std::end(kComandiBarra));
    for (const auto& c : kCampionati)
        comandi.push_back(c.comando);
    QSet<QByteArray> disegni;
    for (int id : comandi) {
        SCOPED_TRACE(id);
        const QIcon icona = IconaComando(id);
        ASSERT_FALSE(icona.isNull());
        for (int lato : {16, 24, 48, 96}) {
            const QImage img = icona.pixmap(lato, lato).toImage();
            ASSERT_EQ(img.size(), QSize(lato, lato));
            EXPECT_GT(Coperti(img), 0.15) << lato; // something is drawn, not a speck
        }
        const QImage grande = icona.pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32);
        disegni.insert(QCryptographicHash::hash(
            QByteArray(reinterpret_cast<const char*>(grande.constBits()), grande.sizeInBytes()),
            QCryptographicHash::Sha1));
        // High-DPI: drawn at the doubled size, not scaled up.
        const QPixmap doppia = icona.pixmap(QSize(24, 24), 2.0);
        EXPECT_EQ(doppia.size(), QSize(48, 48));
    }
    EXPECT_EQ(disegni.size(), static_cast<qsizetype>(comandi.size())); // no two icons alike
    EXPECT_TRUE(IconaComando(40002).isNull());                         // "Esci" has no button
}

TEST(Immagini, ImmaginiDelProgramma) {
    const Immagini& im = ImmaginiProgramma();
    EXPECT_TRUE(im.ImmaginiAvvioPresenti());
    for (Immagine i : {Immagine::Avvio, Immagine::Sfondo, Immagine::Centro, Immagine::Programma}) {
        const QPixmap pm = im.Pixmap(i, 2.0);
        ASSERT_FALSE(pm.isNull());
        EXPECT_EQ(pm.size(), im.Dimensione(i) * 2);
        EXPECT_EQ(pm.deviceIndependentSize().toSize(), im.Dimensione(i));
    }
    // The tile is opaque everywhere, or the window would show through.
    EXPECT_DOUBLE_EQ(Coperti(im.Pixmap(Immagine::Sfondo).toImage()), 1.0);
    EXPECT_FALSE(IconaProgramma().isNull());
    EXPECT_TRUE(QFile::exists(":/immagini/veltra-256.png"));
    EXPECT_EQ(QImage(":/immagini/veltra-256.png").size(), QSize(256, 256));
}

// A folder with the pictures copied in, one of them missing or damaged.
TEST(Immagini, ImmagineMancanteODanneggiata) {
    for (Immagine guasta : {Immagine::Avvio, Immagine::Sfondo, Immagine::Centro}) {
        for (bool danneggiata : {false, true}) {
            QTemporaryDir cartella;
            const Immagini originali;
            const Immagini copia(cartella.path());
            for (Immagine i : {Immagine::Avvio, Immagine::Sfondo, Immagine::Centro})
                ASSERT_TRUE(QFile::copy(originali.Percorso(i), copia.Percorso(i)));
            EXPECT_TRUE(copia.ImmaginiAvvioPresenti());
            QFile::setPermissions(copia.Percorso(guasta),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            if (danneggiata) {
                QFile f(copia.Percorso(guasta));
                ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect width=");
            } else {
                ASSERT_TRUE(QFile::remove(copia.Percorso(guasta)));
            }
            EXPECT_FALSE(copia.Presente(guasta));
            EXPECT_FALSE(copia.ImmaginiAvvioPresenti());
            EXPECT_TRUE(copia.Pixmap(guasta).isNull());
        }
    }
}

} // namespace
} // namespace veltra::test

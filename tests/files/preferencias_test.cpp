// SPDX-License-Identifier: GPL-3.0-or-later
// What is kept for the user: the window size and the recent experiment files.
#include "files/preferencias.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "archivos.h"
#include "files/archivos_recientes.h"

using namespace tya;
using namespace tya::prueba;

TEST(Recientes, LosCincoUltimosSinRepetir) {
    QStringList l;
    for (const char* a : {"/d/a.TYA", "/d/b.TYA", "/d/c.TYA", "/d/d.TYA", "/d/e.TYA", "/d/f.TYA"})
        l = anotar_reciente(l, a);
    EXPECT_EQ(l, (QStringList{"/d/f.TYA", "/d/e.TYA", "/d/d.TYA", "/d/c.TYA", "/d/b.TYA"}));
    // Named again, by another spelling of the same path, it moves first and is not repeated.
    l = anotar_reciente(l, "/d/x/../c.TYA");
    EXPECT_EQ(l, (QStringList{"/d/c.TYA", "/d/f.TYA", "/d/e.TYA", "/d/d.TYA", "/d/b.TYA"}));
    EXPECT_EQ(titulo_reciente(2, "/d/R&D.TYA"), QStringLiteral("&2 R&&D.TYA  (/d)"));
    // A long name keeps both its ends and fits a menu; an "&" is never cut from its double.
    const QString largo = QString(129, 'n') + ".TYA", carpeta = "/" + QString(60, 'c') + "&";
    const QString t = titulo_reciente(1, carpeta + "/" + largo);
    EXPECT_EQ(t, "&1 " + QString(20, 'n') + QChar(0x2026) + QString(15, 'n') + ".TYA  (/" + QString(19, 'c') +
                     QChar(0x2026) + QString(18, 'c') + "&&)");
}

TEST(Preferencias, GuardaYLeeYUnArchivoDanadoEsAutomatico) {
    QTemporaryDir tmp;
    const QString ruta = QDir(tmp.path()).filePath("trayecta.conf");
    {
        Preferencias p(ruta);
        EXPECT_EQ(p.tamano(), 0);  // nothing kept yet
        EXPECT_FALSE(p.proyector());
        EXPECT_TRUE(p.guardar_tamano(150) && p.guardar_recientes({"/d/a.TYA", "/d/b.TYA"}));
        EXPECT_TRUE(p.guardar_proyector(true));
    }
    Preferencias p(ruta);
    EXPECT_EQ(p.tamano(), 150);
    EXPECT_TRUE(p.proyector());
    EXPECT_EQ(p.recientes(), (QStringList{"/d/a.TYA", "/d/b.TYA"}));

    // A size not offered, a list edited by hand beyond its rules, and a file that is not one.
    escribir(ruta, "[ventana]\ntamano=175\nproyector=1\n[archivo]\nrecientes=/a, /b, /a, , /c, /d, /e, /f\n");
    EXPECT_EQ(Preferencias(ruta).tamano(), 0);
    EXPECT_FALSE(Preferencias(ruta).proyector());
    EXPECT_EQ(Preferencias(ruta).recientes(), (QStringList{"/a", "/b", "/c", "/d", "/e"}));
    for (const QByteArray& danado :
         {QByteArray("\x00\xff\xfe[ventana\ntamano=\x01\x02", 16), QByteArray("tamano=2000000000000")}) {
        escribir(ruta, danado);
        EXPECT_EQ(Preferencias(ruta).tamano(), 0);
    }
    // An oversized file is set aside unread: defaults, and the saves that follow write a small one.
    escribir(ruta, "[ventana]\ntamano=150\n[relleno]\nx=" + QByteArray(kTopePreferencias, 'x') + "\n");
    {
        Preferencias grande(ruta);
        EXPECT_EQ(grande.tamano(), 0);
        EXPECT_TRUE(grande.guardar_tamano(200));
    }
    EXPECT_LT(QFileInfo(ruta).size(), 100);
    EXPECT_EQ(Preferencias(ruta).tamano(), 200);
    // A file that cannot be written says so.
    if (!proteger(tmp.path())) GTEST_SKIP() << "no way to protect a folder here";
    const bool guardado = Preferencias(QDir(tmp.path()).filePath("otro.conf")).guardar_tamano(200);
    desproteger(tmp.path());
    EXPECT_FALSE(guardado);
}

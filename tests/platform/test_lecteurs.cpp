// The list of places a backup copy can go.
#include "platform/lecteurs.h"

#include "platform/fichiers.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace ylkaz;

namespace {

std::vector<std::string> textes(const std::vector<Lecteur>& l) {
    std::vector<std::string> t;
    for (const auto& x : l)
        t.push_back(x.texte());
    return t;
}

TEST(LecteursWindows, LettersAToYWithoutOpticalOrMissingDrives) {
    const std::map<char, int> types = {{'A', 2}, {'B', 1}, {'C', 3}, {'D', 5}, {'E', 2},
                                       {'F', 4}, {'G', 6}, {'H', 0}, {'I', 7}, {'Z', 3}};
    std::vector<std::string> demandes;
    LecteursWindows w([&](const std::string& racine) {
        demandes.push_back(racine);
        const auto it = types.find(racine[0]);
        return it == types.end() ? 1 : it->second;
    });
    EXPECT_EQ(textes(w.lister()),
              (std::vector<std::string>{"A:\\ Disque Amovible", "C:\\ Disque dur",
                                        "E:\\ Disque Amovible", "F:\\ Lecteur distant",
                                        "G:\\ RamDisk", "H:\\ Inutilisable", "I:\\ Inutilisable"}));
    ASSERT_EQ(demandes.size(), 25u);
    EXPECT_EQ(demandes.front(), "A:\\");
    EXPECT_EQ(demandes.back(), "Y:\\");
    EXPECT_EQ(w.type("D:\\"), 5);
}

TEST(NomTypeLecteur, EveryCode) {
    const std::vector<std::string> noms = {"Inutilisable", "Inexistant",      "Disque Amovible",
                                           "Disque dur",   "Lecteur distant", "CD-ROM",
                                           "RamDisk",      "Inutilisable"};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(nom_type_lecteur(c), noms[c]) << c;
    EXPECT_EQ(nom_type_lecteur(-1), "Inutilisable");
}

const char* const TABLE = "proc /proc proc rw,relatime 0 0\n"
                          "sysfs /sys sysfs rw,nosuid 0 0\n"
                          "devtmpfs /dev devtmpfs rw 0 0\n"
                          "tmpfs /dev/shm tmpfs rw 0 0\n"
                          "/dev/vda / ext4 rw,relatime 0 0\n"
                          "/dev/sdb1 /media/op/CLE\\040USB vfat rw,nosuid 0 0\n"
                          "/dev/sr0 /media/op/DVD iso9660 ro 0 0\n"
                          "/dev/sr1 /media/op/BD udf rw 0 0\n"
                          "/dev/sdc1 /run/media/op/DISK exfat rw 0 0\n"
                          "tmpfs /run/user/1000 tmpfs rw 0 0\n"
                          "tmpfs /run tmpfs rw 0 0\n"
                          "nas:/export /mnt/nas nfs4 rw,vers=4.2 0 0\n"
                          "//srv/partage /mnt/smb cifs rw 0 0\n"
                          "tmpfs /tmp tmpfs rw 0 0\n"
                          "tools /mnt/outils tmpfs ro,nosuid 0 0\n"
                          "/dev/vda /etc/hosts ext4 rw 0 0\n"
                          "/dev/sda1 /boot/efi vfat rw 0 0\n"
                          "overlay /var/lib/docker/overlay2/x/merged overlay rw 0 0\n"
                          "/dev/sdd1 /media/op/GONE vfat rw 0 0\n"
                          "/dev/sde1 /mnt/usb ext4 rw 0 0\n"
                          "/dev/sdf1 /mnt/usb vfat rw 0 0\n"
                          "sshfs#x /mnt/ssh fuse.sshfs rw 0 0\n"
                          "gvfsd-fuse /mnt/gvfs fuse.gvfsd-fuse rw 0 0\n"
                          "cgroup /sys/fs/cgroup/cpu cgroup rw,cpu 0 0\n"
                          "short line\n";

LecteursLinux table_de_test() {
    return LecteursLinux(
        [] { return std::string(TABLE); },
        [](const std::filesystem::path& p) {
            static const std::set<std::string> absents = {"/media/op/GONE", "/etc/hosts"};
            return absents.count(p.string()) == 0;
        });
}

TEST(LecteursLinux, WhatAUserWouldPickWithItsTypeName) {
    EXPECT_EQ(
        textes(table_de_test().lister()),
        (std::vector<std::string>{"/ Disque dur", "/media/op/CLE USB Disque Amovible",
                                  "/run/media/op/DISK Disque Amovible", "/mnt/nas Lecteur distant",
                                  "/mnt/smb Lecteur distant", "/tmp RamDisk", "/mnt/usb Disque dur",
                                  "/mnt/ssh Lecteur distant"}));
}

TEST(LecteursLinux, TheTypeOfAChosenRootNow) {
    const auto l = table_de_test();
    EXPECT_EQ(l.type("/media/op/CLE USB"), static_cast<int>(TypeLecteur::amovible));
    EXPECT_EQ(l.type("/media/op/CLE USB/"), static_cast<int>(TypeLecteur::amovible));
    EXPECT_EQ(l.type("/mnt/nas"), static_cast<int>(TypeLecteur::distant));
    EXPECT_EQ(l.type("/media/op/UNPLUGGED"), static_cast<int>(TypeLecteur::inexistant));
    EXPECT_EQ(l.type("/media/op/GONE"), static_cast<int>(TypeLecteur::inexistant));
    // A drive that went read-only keeps its type; the copy then fails with the reason.
    EXPECT_EQ(l.type("/mnt/outils"), static_cast<int>(TypeLecteur::ram));
    EXPECT_EQ(l.type("/mnt/gvfs"), static_cast<int>(TypeLecteur::indetermine));
}

TEST(LireMontages, FieldsEscapesAndReadOnly) {
    const auto m = lire_montages("/dev/a\\134b /media/x\\011y\\012z/ vfat ro,noexec 0 0\r\n"
                                 "\n"
                                 "a b c\n"
                                 "a   /b   ext4   rw\n"
                                 "x /bad\\08 ext4 rw 0 0");
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].source, "/dev/a\\b");
    EXPECT_EQ(m[0].point, "/media/x\ty\nz");
    EXPECT_EQ(m[0].type, "vfat");
    EXPECT_TRUE(m[0].lecture_seule);
    EXPECT_EQ(m[1].point, "/b");
    EXPECT_FALSE(m[1].lecture_seule);
    EXPECT_EQ(m[2].point, "/bad\\08");
}

TEST(ClasserMontage, SystemFoldersAndPseudoFileSystemsAreLeftOut) {
    auto code = [](const char* source, const char* point, const char* type) {
        return classer_montage({source, point, type, false});
    };
    EXPECT_EQ(code("/dev/vda", "/", "ext4"), 3);
    EXPECT_EQ(code("overlay", "/", "overlay"), 3);
    EXPECT_EQ(code("/dev/sdb", "/media/CLE", "vfat"), 2);
    EXPECT_EQ(code("/dev/sr0", "/media/op/CD", "iso9660"), 5);
    EXPECT_EQ(code("tmpfs", "/media/op/ram", "tmpfs"), 6);
    EXPECT_EQ(code("srv:/x", "/media/op/nas", "nfs"), 4);
    EXPECT_EQ(code("/dev/sdb", "/media", "vfat"), 3) << "the folder itself is not removable";
    EXPECT_EQ(code("/dev/sdb", "/run/media", "vfat"), std::nullopt);
    EXPECT_EQ(code("/dev/sdb", "/mediafoo", "vfat"), 3);
    EXPECT_EQ(code("proc", "/media/op/p", "proc"), std::nullopt);
    EXPECT_EQ(code("/dev/sda2", "/boot", "ext4"), std::nullopt);
    EXPECT_EQ(code("/dev/sda2", "/usr/local", "ext4"), std::nullopt);
    EXPECT_EQ(code("tmpfs", "/dev/shm", "tmpfs"), std::nullopt);
    EXPECT_EQ(code("/dev/sda3", "/home", "ext4"), 3);
    EXPECT_EQ(classer_montage({"/dev/sdb", "/media/CLE", "vfat", true}), std::nullopt);
}

TEST(LecteursSysteme, TheRealTableGivesOnlyFoldersOutsideThePseudoFileSystems) {
    const auto l = lecteurs_systeme()->lister();
    for (const auto& x : l) {
        const std::string p = x.racine.string();
        EXPECT_TRUE(std::filesystem::is_directory(x.racine)) << p;
        for (const char* d : {"/proc", "/sys", "/dev"})
            EXPECT_NE(p.rfind(std::string(d), 0), 0u) << p;
        EXPECT_NE(x.type, static_cast<int>(TypeLecteur::optique));
        EXPECT_EQ(lecteurs_systeme()->type(x.racine), x.type) << p;
    }
}

} // namespace

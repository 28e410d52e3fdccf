#include "tools/skinkit/kit_seeds.h"

#include "platform/rtl/files.h"
#include "tools/skinkit/kit_archive.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace brsm::kit {

std::vector<Seed> ArchiveSeeds() {
  std::vector<Seed> seeds;
  seeds.push_back({"marl.vlz", MakeMarlSkin().Pack()});
  seeds.push_back({"empty.vlz", BuildArchive({})});
  ArchiveMember options{"Options.dat", BytesOf("[GLOBALINFO]\r\nVERSION=5.49\r\n"), {}, {}, {}};
  seeds.push_back({"one.vlz", BuildArchive({options})});
  TPixelBuffer small = SolidPicture(4, 3, KitColor(1, 1));
  ArchiveMember image{"Frame.bmp", BmpBytes(small), {}, {}, {}};
  seeds.push_back({"two.vlz", BuildArchive({options, image})});
  return seeds;
}

std::vector<Seed> DescriptionSeeds() {
  std::vector<Seed> seeds;
  seeds.push_back({"marl.dat", BytesOf(MakeMarlSkin().OptionsText())});
  seeds.push_back({"forms.dat",
                   BytesOf("[GLOBALINFO]\r\nMASTERBITMAP=Master.bmp\r\nVERSION=5.4\r\n"
                           "[BUTTON]\r\nBORDERSMASK=!Button.BMP!3!1!0!4!4!4!4\r\n"
                           "GLYPH=@0000 0000 0026 0013 2 0\r\n"
                           "FRAME=^0000 0000 0072 0036 0000 0000 0000 0000 2 0 0 3\r\n"
                           "TEX=~0000 0000 0032 0032 03 1\r\n"
                           "LIST=#(0,0,24,18)(3,0,2,1)\r\nEDGE=edit.bmp\r\n"
                           "GRADIENTDATA=255;65280;50;0;0;65280;16711680;50;0;0\r\n"
                           "[CHILD]\r\nPARENTCLASS=BUTTON\r\n[LOOP1]\r\nPARENTCLASS=LOOP2\r\n"
                           "[LOOP2]\r\nPARENTCLASS=LOOP1\r\n")});
  std::string withCommon = "[EDIT]\r\nCOLOR=255\r\n";
  withCommon += '\0';
  withCommon += "[EXTRA]\r\nPARENTCLASS=EDIT\r\nCOLOR=0x10\r\nBORDERSMASK=#(0,0,10,10)(1,0)\r\n";
  seeds.push_back({"common.dat", BytesOf(withCommon)});
  return seeds;
}

std::vector<Seed> IniTextSeeds() {
  return {
      {"plain.ini", BytesOf("[A]\r\nKEY=1\r\nHEX=0x1F\r\n;comment\r\n\r\n[B]\r\nx=y=z\r\n")},
      {"marl.ini", BytesOf(MakeMarlSkin().OptionsText())},
  };
}

bool WriteSeeds(const std::string& dir) {
  const std::string root = IncludeTrailingPathDelimiter(dir);
  const std::pair<const char*, std::vector<Seed>> groups[] = {
      {"archive", ArchiveSeeds()}, {"description", DescriptionSeeds()}, {"initext", IniTextSeeds()}};
  for (const auto& group : groups) {
    const std::string folder = root + group.first;
    if (!ForceDirectories(folder)) return false;
    for (const Seed& seed : group.second)
      if (!WriteBytes(IncludeTrailingPathDelimiter(folder) + seed.Name, seed.Bytes)) return false;
  }
  return true;
}

}  // namespace brsm::kit

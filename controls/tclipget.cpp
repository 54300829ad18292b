#include "controls/tclipget.h"

namespace controls {

const rt::ClassInfo& TClipGet::ClassDef() {
  static const rt::ClassInfo info("TCLIPGET", &rt::Get::ClassDef(), rt::FactoryOf<TClipGet>(), [](rt::ClassInfo&) {});
  return info;
}

RT_CLASS_REGISTER(TClipGet);

std::shared_ptr<TClipGet> GETNEW(int nRow, int nCol, const rt::Value& bSetGet, const std::string& cVarName,
                                 const rt::Value& cPicture, const std::string& cColor) {
  auto get = std::make_shared<TClipGet>();
  get->New(nRow, nCol, bSetGet, cVarName, cPicture, cColor);
  return get;
}

}  // namespace controls

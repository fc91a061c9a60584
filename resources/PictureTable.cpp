#include "resources/PictureTable.h"

#include "framework/Pictures.h"

namespace {

// One cache per picture, so that each picture is loaded at most once per run and a
// window built again gets the very same picture.
fw::PictureCache eos_223Cache(168);
fw::PictureCache amix_173Cache(169);
fw::PictureCache bmix_134Cache(170);
fw::PictureCache H2O_42Cache(171);
fw::PictureCache CO2_42Cache(172);
fw::PictureCache CH4_42Cache(173);
fw::PictureCache N2_27Cache(174);
fw::PictureCache C2H6_48Cache(175);
fw::PictureCache H2S_39Cache(176);
fw::PictureCache NH3_41Cache(177);
fw::PictureCache H2_27Cache(178);
fw::PictureCache O2_29Cache(179);
fw::PictureCache CO_35Cache(180);
fw::PictureCache spinodal_295Cache(181);
fw::PictureCache ANV_166Cache(182);
fw::PictureCache AVV_161Cache(183);
fw::PictureCache dpdv_323Cache(184);
fw::PictureCache dpdv2_346Cache(185);
fw::PictureCache Vc_113Cache(186);
fw::PictureCache Entropy_148Cache(189);
fw::PictureCache Helmholtz_127Cache(190);
fw::PictureCache Energy_215Cache(191);
fw::PictureCache Enthalpy_161Cache(192);
fw::PictureCache Gibbs_214Cache(193);
fw::PictureCache chem_129Cache(194);
fw::PictureCache Logo10Cache(195);
fw::PictureCache LiquidCache(196);
fw::PictureCache VapourCache(197);
fw::PictureCache C3H8_48Cache(198);
fw::PictureCache iC4H10_66Cache(199);
fw::PictureCache nC4H10_72Cache(200);
fw::PictureCache Ar_31Cache(201);
fw::PictureCache Tc_203Cache(202);
fw::PictureCache ai_150Cache(203);
fw::PictureCache bi_126Cache(204);
fw::PictureCache aij_208Cache(205);
fw::PictureCache pc_146Cache(206);
fw::PictureCache Tcij_179Cache(207);
fw::PictureCache Vcij_179Cache(208);
fw::PictureCache iC5H12_66Cache(209);
fw::PictureCache nC5H12_72Cache(210);
fw::PictureCache nC6H14_72Cache(211);
fw::PictureCache nC7H16_72Cache(212);
fw::PictureCache nC8H18_72Cache(213);
fw::PictureCache gases_293Cache(214);
fw::PictureCache He_34Cache(215);
fw::PictureCache Ne_34Cache(216);
fw::PictureCache pc_210Cache(217);
fw::PictureCache zcij_228Cache(218);
}  // namespace

fw::Picture eos_223() { return eos_223Cache.Get(); }
fw::Picture amix_173() { return amix_173Cache.Get(); }
fw::Picture bmix_134() { return bmix_134Cache.Get(); }
fw::Picture H2O_42() { return H2O_42Cache.Get(); }
fw::Picture CO2_42() { return CO2_42Cache.Get(); }
fw::Picture CH4_42() { return CH4_42Cache.Get(); }
fw::Picture N2_27() { return N2_27Cache.Get(); }
fw::Picture C2H6_48() { return C2H6_48Cache.Get(); }
fw::Picture H2S_39() { return H2S_39Cache.Get(); }
fw::Picture NH3_41() { return NH3_41Cache.Get(); }
fw::Picture H2_27() { return H2_27Cache.Get(); }
fw::Picture O2_29() { return O2_29Cache.Get(); }
fw::Picture CO_35() { return CO_35Cache.Get(); }
fw::Picture spinodal_295() { return spinodal_295Cache.Get(); }
fw::Picture ANV_166() { return ANV_166Cache.Get(); }
fw::Picture AVV_161() { return AVV_161Cache.Get(); }
fw::Picture dpdv_323() { return dpdv_323Cache.Get(); }
fw::Picture dpdv2_346() { return dpdv2_346Cache.Get(); }
fw::Picture Vc_113() { return Vc_113Cache.Get(); }
fw::Picture Entropy_148() { return Entropy_148Cache.Get(); }
fw::Picture Helmholtz_127() { return Helmholtz_127Cache.Get(); }
fw::Picture Energy_215() { return Energy_215Cache.Get(); }
fw::Picture Enthalpy_161() { return Enthalpy_161Cache.Get(); }
fw::Picture Gibbs_214() { return Gibbs_214Cache.Get(); }
fw::Picture chem_129() { return chem_129Cache.Get(); }
fw::Picture Logo10() { return Logo10Cache.Get(); }
fw::Picture Liquid() { return LiquidCache.Get(); }
fw::Picture Vapour() { return VapourCache.Get(); }
fw::Picture C3H8_48() { return C3H8_48Cache.Get(); }
fw::Picture iC4H10_66() { return iC4H10_66Cache.Get(); }
fw::Picture nC4H10_72() { return nC4H10_72Cache.Get(); }
fw::Picture Ar_31() { return Ar_31Cache.Get(); }
fw::Picture Tc_203() { return Tc_203Cache.Get(); }
fw::Picture ai_150() { return ai_150Cache.Get(); }
fw::Picture bi_126() { return bi_126Cache.Get(); }
fw::Picture aij_208() { return aij_208Cache.Get(); }
fw::Picture pc_146() { return pc_146Cache.Get(); }
fw::Picture Tcij_179() { return Tcij_179Cache.Get(); }
fw::Picture Vcij_179() { return Vcij_179Cache.Get(); }
fw::Picture iC5H12_66() { return iC5H12_66Cache.Get(); }
fw::Picture nC5H12_72() { return nC5H12_72Cache.Get(); }
fw::Picture nC6H14_72() { return nC6H14_72Cache.Get(); }
fw::Picture nC7H16_72() { return nC7H16_72Cache.Get(); }
fw::Picture nC8H18_72() { return nC8H18_72Cache.Get(); }
fw::Picture gases_293() { return gases_293Cache.Get(); }
fw::Picture He_34() { return He_34Cache.Get(); }
fw::Picture Ne_34() { return Ne_34Cache.Get(); }
fw::Picture pc_210() { return pc_210Cache.Get(); }
fw::Picture zcij_228() { return zcij_228Cache.Get(); }
void ReleasePictures() {
  fw::PictureCache* const inResourceOrder[] = {
      &eos_223Cache,
      &amix_173Cache,
      &bmix_134Cache,
      &H2O_42Cache,
      &CO2_42Cache,
      &CH4_42Cache,
      &N2_27Cache,
      &C2H6_48Cache,
      &H2S_39Cache,
      &NH3_41Cache,
      &H2_27Cache,
      &O2_29Cache,
      &CO_35Cache,
      &spinodal_295Cache,
      &ANV_166Cache,
      &AVV_161Cache,
      &dpdv_323Cache,
      &dpdv2_346Cache,
      &Vc_113Cache,
      &Entropy_148Cache,
      &Helmholtz_127Cache,
      &Energy_215Cache,
      &Enthalpy_161Cache,
      &Gibbs_214Cache,
      &chem_129Cache,
      &Logo10Cache,
      &LiquidCache,
      &VapourCache,
      &C3H8_48Cache,
      &iC4H10_66Cache,
      &nC4H10_72Cache,
      &Ar_31Cache,
      &Tc_203Cache,
      &ai_150Cache,
      &bi_126Cache,
      &aij_208Cache,
      &pc_146Cache,
      &Tcij_179Cache,
      &Vcij_179Cache,
      &iC5H12_66Cache,
      &nC5H12_72Cache,
      &nC6H14_72Cache,
      &nC7H16_72Cache,
      &nC8H18_72Cache,
      &gases_293Cache,
      &He_34Cache,
      &Ne_34Cache,
      &pc_210Cache,
      &zcij_228Cache  };
  static_assert(sizeof inResourceOrder / sizeof inResourceOrder[0] == PictureCount);
  for (fw::PictureCache* cache : inResourceOrder) cache->Release();
}

// The application's 49 pictures: formulas, component formulas, two phase sketches and
// the logo. Each picture has an accessor named after it that loads resource
// ":/pictures/<number>.svg" on its first call and hands out the same picture until
// ReleasePictures(). Every accessor is an fw::PictureAccessor, so layouts can name it.
#pragma once

#include <array>
#include <string_view>

#include "framework/Layout.h"

// The accessors, in resource order (187 and 188 are not used).
fw::Picture eos_223();         // 168: the equation of state
fw::Picture amix_173();        // 169: the mixture's attraction parameter
fw::Picture bmix_134();        // 170: the mixture's co-volume
fw::Picture H2O_42();          // 171: the formula of H2O
fw::Picture CO2_42();          // 172: the formula of CO2
fw::Picture CH4_42();          // 173: the formula of CH4
fw::Picture N2_27();           // 174: the formula of N2
fw::Picture C2H6_48();         // 175: the formula of C2H6
fw::Picture H2S_39();          // 176: the formula of H2S
fw::Picture NH3_41();          // 177: the formula of NH3
fw::Picture H2_27();           // 178: the formula of H2
fw::Picture O2_29();           // 179: the formula of O2
fw::Picture CO_35();           // 180: the formula of CO
fw::Picture spinodal_295();    // 181: the spinodal: the determinant of the second derivatives of A
fw::Picture ANV_166();         // 182: the element A_nV of that determinant
fw::Picture AVV_161();         // 183: the element A_VV
fw::Picture dpdv_323();        // 184: first pseudo-critical condition, (dP/dV)_T = 0
fw::Picture dpdv2_346();       // 185: second pseudo-critical condition, (d2P/dV2)_T = 0
fw::Picture Vc_113();          // 186: the pseudo-critical molar volume
fw::Picture Entropy_148();     // 189: a Maxwell relation of the entropy
fw::Picture Helmholtz_127();   // 190: the differential of the Helmholtz energy
fw::Picture Energy_215();      // 191: the differential of the internal energy
fw::Picture Enthalpy_161();    // 192: the definition of the enthalpy
fw::Picture Gibbs_214();       // 193: the definition of the Gibbs energy
fw::Picture chem_129();        // 194: the chemical potential as a partial derivative
fw::Picture Logo10();          // 195: the logo
fw::Picture Liquid();          // 196: a liquid phase at its bubble point
fw::Picture Vapour();          // 197: a vapour phase at its dew point
fw::Picture C3H8_48();         // 198: the formula of C3H8
fw::Picture iC4H10_66();       // 199: the formula of iC4H10
fw::Picture nC4H10_72();       // 200: the formula of nC4H10
fw::Picture Ar_31();           // 201: the formula of Ar
fw::Picture Tc_203();          // 202: the pseudo-critical temperature
fw::Picture ai_150();          // 203: a pure gas's attraction parameter (shown 130 wide)
fw::Picture bi_126();          // 204: a pure gas's co-volume
fw::Picture aij_208();         // 205: the cross attraction parameter of a pair
fw::Picture pc_146();          // 206: the critical pressure of a pair
fw::Picture Tcij_179();        // 207: the critical temperature of a pair
fw::Picture Vcij_179();        // 208: the critical molar volume of a pair
fw::Picture iC5H12_66();       // 209: the formula of iC5H12
fw::Picture nC5H12_72();       // 210: the formula of nC5H12
fw::Picture nC6H14_72();       // 211: the formula of nC6H14
fw::Picture nC7H16_72();       // 212: the formula of nC7H16
fw::Picture nC8H18_72();       // 213: the formula of nC8H18
fw::Picture gases_293();       // 214: the 21 components of the fluid system
fw::Picture He_34();           // 215: the formula of He
fw::Picture Ne_34();           // 216: the formula of Ne
fw::Picture pc_210();          // 217: the pseudo-critical pressure
fw::Picture zcij_228();        // 218: the critical compressibility factor of a pair
// Drops every cached picture, in resource order; pictures never loaded are skipped.
// The exit steps call it while the application object still exists.
void ReleasePictures();

// One row per picture: its accessor, resource number and the size in pixels of the
// control that shows it (each picture is drawn at exactly that size).
struct PictureRow {
  fw::PictureAccessor accessor;
  int number;
  int width;
  int height;
  std::string_view name;
};

inline constexpr int PictureCount = 49;

inline constexpr std::array<PictureRow, PictureCount> PictureTable = {{
    {eos_223, 168, 223, 55, "eos_223"},
    {amix_173, 169, 173, 50, "amix_173"},
    {bmix_134, 170, 134, 50, "bmix_134"},
    {H2O_42, 171, 42, 25, "H2O_42"},
    {CO2_42, 172, 42, 25, "CO2_42"},
    {CH4_42, 173, 42, 25, "CH4_42"},
    {N2_27, 174, 27, 25, "N2_27"},
    {C2H6_48, 175, 48, 25, "C2H6_48"},
    {H2S_39, 176, 39, 25, "H2S_39"},
    {NH3_41, 177, 41, 25, "NH3_41"},
    {H2_27, 178, 27, 25, "H2_27"},
    {O2_29, 179, 29, 25, "O2_29"},
    {CO_35, 180, 35, 25, "CO_35"},
    {spinodal_295, 181, 295, 100, "spinodal_295"},
    {ANV_166, 182, 166, 60, "ANV_166"},
    {AVV_161, 183, 161, 60, "AVV_161"},
    {dpdv_323, 184, 323, 60, "dpdv_323"},
    {dpdv2_346, 185, 346, 60, "dpdv2_346"},
    {Vc_113, 186, 113, 50, "Vc_113"},
    {Entropy_148, 189, 148, 55, "Entropy_148"},
    {Helmholtz_127, 190, 127, 55, "Helmholtz_127"},
    {Energy_215, 191, 215, 55, "Energy_215"},
    {Enthalpy_161, 192, 161, 25, "Enthalpy_161"},
    {Gibbs_214, 193, 214, 25, "Gibbs_214"},
    {chem_129, 194, 129, 60, "chem_129"},
    {Logo10, 195, 368, 87, "Logo10"},
    {Liquid, 196, 120, 45, "Liquid"},
    {Vapour, 197, 120, 45, "Vapour"},
    {C3H8_48, 198, 48, 25, "C3H8_48"},
    {iC4H10_66, 199, 66, 25, "iC4H10_66"},
    {nC4H10_72, 200, 72, 25, "nC4H10_72"},
    {Ar_31, 201, 31, 25, "Ar_31"},
    {Tc_203, 202, 203, 60, "Tc_203"},
    {ai_150, 203, 130, 50, "ai_150"},
    {bi_126, 204, 126, 50, "bi_126"},
    {aij_208, 205, 208, 50, "aij_208"},
    {pc_146, 206, 146, 50, "pc_146"},
    {Tcij_179, 207, 179, 30, "Tcij_179"},
    {Vcij_179, 208, 179, 50, "Vcij_179"},
    {iC5H12_66, 209, 66, 25, "iC5H12_66"},
    {nC5H12_72, 210, 72, 25, "nC5H12_72"},
    {nC6H14_72, 211, 72, 25, "nC6H14_72"},
    {nC7H16_72, 212, 72, 25, "nC7H16_72"},
    {nC8H18_72, 213, 72, 25, "nC8H18_72"},
    {gases_293, 214, 293, 70, "gases_293"},
    {He_34, 215, 34, 25, "He_34"},
    {Ne_34, 216, 34, 25, "Ne_34"},
    {pc_210, 217, 210, 60, "pc_210"},
    {zcij_228, 218, 228, 50, "zcij_228"},}};

// "Isochore": the pressures along the molar volume of the pressure window's last
// calculation, for temperatures from a minimum to a maximum in equal steps (°C),
// as a table and as an exported text file.
#pragma once

#include "framework/Window.h"
#include "windows/single_phase/IsochoreTable.h"

class Isochore : public fw::Window {
  Q_OBJECT
 public:
  Isochore();
  static const fw::WindowLayout& Layout();

 protected:
  void Event_Activate() override;

 private:
  void calculate_Action();
  void Export_Action();
  void ShowNoVolume();
  void ExportFailed();
  // Checks the three entries, writing "put number" into each that fails.
  single_phase::IsochorePlan CheckedPlan(single_phase::IsochoreStart start);
};

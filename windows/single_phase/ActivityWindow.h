// "Activities": the activity and activity coefficient of each component of the
// mixture at the chosen root, against a standard state the user picks. Its
// controls sit on a scrolled panel.
#pragma once

#include <optional>

#include "framework/Window.h"
#include "windows/single_phase/Activities.h"
#include "windows/common/RootChoiceForm.h"
#include "windows/common/ScrolledPanel.h"

class ActivityWindow : public fw::Window {
  Q_OBJECT
 public:
  ActivityWindow();
  static const fw::WindowLayout& Layout();
  static const common::ScrolledPanelSize kPanelSize;

 protected:
  void Event_Activate() override;
  void Event_Resizing() override;

 private:
  void EmptyResults();
  void StandardChoice0_Action();
  void StandardChoice1_Action();
  void StandardChoice2_Action();
  void PushButton1_Action();
  std::optional<single_phase::StandardState> ChosenStandardState() const;

  common::RootChoiceForm form_;
  common::ScrolledPanel panel_;
};

#include "drawing/Preamble.h"

std::optional<DrawingParameters> RunPreamble(InputPanel& panel, const ExtraCheck& extra,
                                             const QString& ownReason) {
  InputState inputs;
  inputs.text1 = panel.Text1();
  inputs.option5 = panel.Option5();
  inputs.option6 = panel.Option6();
  inputs.text4 = panel.Text4();

  if (auto parameters = CheckInputs(inputs, extra)) return parameters;

  panel.ShowRefusal(RefusalText(inputs, ownReason));
  panel.SetText1(QString());
  panel.SetText4(QString());
  panel.FocusText1();
  return std::nullopt;
}

#include "commands/routes.h"

#include "commands/address.h"
#include "commands/inputs.h"
#include "commands/options.h"
#include "commands/runcontrols.h"
#include "commands/viewmenu.h"
#include "help/help.h"

namespace ovali {

const Handlers& gameHandlers() {
  static const Handlers handlers{
      Command1_Click,
      chkFast_Click,
      {txtNB_Change, txtDollars_Change, txtNTrade_Change},
      {txtNB_GotFocus, txtDollars_GotFocus, txtNTrade_GotFocus},
      {txtNB_KeyPress, txtDollars_KeyPress, txtNTrade_KeyPress},
      mnuO_Click,
      Label3_Click,
      mnuexit_Click,
      mnuHistory_Click,
      mnuLab_Click,
      mnuAbout_Click,
      mnuSpeed_Click,
      openAddress,
      addressOf,
      historyHelp,
  };
  return handlers;
}

}  // namespace ovali

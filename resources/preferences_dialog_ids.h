// Ids of the Preferences dialog (see preferences_dialog.rc).
//   23400-23409  the dialog and its page control
//   23410-23459  the controls of its pages
//   23460-23499  its texts
#pragma once

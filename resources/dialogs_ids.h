// Ids of the dialogs texts (see dialogs.rc).
#pragma once

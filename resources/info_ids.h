// Ids of the info texts (see info.rc).
#pragma once

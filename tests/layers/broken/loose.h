// A header outside every folder.
#pragma once

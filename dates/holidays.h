// The holiday list, read from the profile key FreiTage.
#pragma once

namespace quorl {

// Reads (and, when missing, writes back) the holiday list of the profile.
void ReadHolidayList();

} // namespace quorl

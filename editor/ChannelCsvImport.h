// Channel lists read into the code plug: a file import that replaces the channel table, a paste of
// rows into channels from a given one on, and the clearing of channels. Every row goes through the
// channel editor's own rules (frequency rule and channel grid, tone lists), so an imported channel is
// stored exactly as a typed one would be; a text with a bad row changes nothing.
#pragma once

#include <string>
#include <vector>

#include "codeplug/ChannelRecord.h"
#include "codeplug/CodePlug.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/ChannelCsv.h"
#include "editor/CsvToneColumns.h"

// What a row without Mode, Power or Skip column gets (the channel defaults of the editor page), and
// the rules of this installation.
struct ChannelImportOptions {
    bool wide = true;
    bool highPower = true;
    bool scan = true;
    BandState band; // the frequency rule of band "F9" differs; frequencies outside it are noted
    ToneRules tones;
};
// One row ready to be stored: the record texts as the channel editor assembles them.
struct ChannelPlanRow {
    int line = 0;
    int location = 0;   // 0 when the row's Location is not read (paste)
    bool inUse = false; // false: the row empties its channel (no frequency given)
    ChannelInput input;
    bool scan = false;
    std::vector<CsvRowNote> notes; // frequencies moved to the channel step or outside the band
};

struct ChannelPlan {
    std::vector<ChannelPlanRow> rows;
    std::vector<CsvRowError> errors;
};
// Reads the rows of a channel list; byLocation: rows name their channel in the Location column, each
// channel at most once (a file); otherwise Location is not read (a paste, placed by order) and a text
// without header is taken in the current column order when it has all its columns.
ChannelPlan ReadChannelPlan(const std::string& text, const ChannelImportOptions& options, bool byLocation);

struct ChannelImportResult {
    std::vector<CsvRowError> errors;
    std::vector<CsvRowNote> notes; // of the rows stored, in line order
    int rows = 0;                  // rows stored (a row may empty its channel)
    int channels = 0;              // channels in use among them
    bool applied = false;          // the image was changed (it may end up equal to before)
};

// Replaces the channel table by a channel-list file: the channels its rows name are stored, every
// other channel is emptied. With a bad row nothing changes unless partial is set; then the good rows
// are stored and the channels the bad rows meant keep what they held. A file without any row is
// refused as a bad one is.
ChannelImportResult ImportChannelsCsv(CodePlug& image, const std::string& text,
                                      const ChannelImportOptions& options, bool partial);

// Stores the rows of a pasted text into channels first, first + 1, ...; refused as a whole (nothing
// changes) when a row is bad or the rows would run past channel 16.
ChannelImportResult PasteChannelsText(CodePlug& image, const std::string& text, int first,
                                      const ChannelImportOptions& options);

// Empties the given channels (record 16 x 0xFF, scan bit cleared).
void ClearChannels(CodePlug& image, const std::vector<int>& channels);

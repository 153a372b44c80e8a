// Shared material of the channel-list tests: the channel editor's test directory (project texts, tone
// settings), and a code plug holding every tone combination of the layout, both bandwidths, both step
// classes, a receive-only and an empty channel, with the channel-list file written by hand for it.
#pragma once

#include <string>

#include "codeplug/ChannelRecord.h"
#include "codeplug/CodePlug.h"
#include "codeplug/ModelCatalogue.h"
#include "chanedit_TestDir.h"

using CsvTestDir = ChanEditTestDir;

// A channel as the channel editor stores it: texts, wide, high power, scan.
inline void PutChannel(CodePlug& image, int n, const std::string& rx, const std::string& tx,
                       const std::string& decode, const std::string& encode, bool wide, bool high, bool scan)
{
    ChannelInput in;
    in.rxText = rx;
    in.txText = tx;
    in.decodeTone = decode;
    in.encodeTone = encode;
    in.wide = wide;
    in.highPower = high;
    StoreChannel(image, n, in, scan);
}

inline CodePlug SampleChannelPlug()
{
    CodePlug image(BuildBandImage("33"));
    PutChannel(image, 1, "446.00625", "446.00625", "", "", false, true, true);            // no tones
    PutChannel(image, 2, "446.01875", "446.01875", "", "67.0", false, true, true);        // Tone
    PutChannel(image, 3, "438.50000", "430.90000", "100.0", "100.0", true, true, true);   // TSQL, split
    PutChannel(image, 4, "462.56500", "462.56500", "D023N", "D023N", true, false, false); // DTCS, 5 kHz
    PutChannel(image, 5, "462.57000", "467.57000", "D754I", "D754I", true, true, true);   // DTCS inverted
    PutChannel(image, 6, "440.00000", "440.00000", "123.0", "88.5", true, true, true);    // Tone->Tone
    PutChannel(image, 7, "441.00000", "441.00000", "D754I", "100.0", true, true, true);   // Tone->DTCS
    PutChannel(image, 8, "442.00500", "442.00500", "71.9", "D025N", true, true, true);    // DTCS->Tone
    PutChannel(image, 9, "443.00000", "443.00000", "110.9", "", false, true, true);       // ->Tone
    PutChannel(image, 10, "444.00000", "444.00000", "D131I", "", false, true, true);      // ->DTCS
    PutChannel(image, 11, "445.00000", "445.00000", "", "D047I", false, true, true);      // DTCS->
    PutChannel(image, 12, "447.00000", "447.00000", "D023I", "D023N", true, true, true);  // DTCS->DTCS
    PutChannel(image, 13, "448.00000", "", "67.0", "", true, true, true);                 // receive only
    PutChannel(image, 14, "", "", "", "", true, true, true);                              // empty
    PutChannel(image, 15, "449.00000", "449.00000", "D152N", "D065N", true, true, true);  // DTCS->DTCS
    PutChannel(image, 16, "400.01000", "400.01000", "", "", true, false, false);          // 5 kHz, low
    return image;
}

// The channel-list file for SampleChannelPlug, written from the layout's rules.
inline const char* SampleChannelCsv()
{
    return "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
           "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
           "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,5.0W,,,,,\r\n"
           "2,,446.018750,,0.000000,Tone,67.0,88.5,023,NN,023,Tone->Tone,NFM,6.25,,5.0W,,,,,\r\n"
           "3,,438.500000,split,430.900000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,6.25,,5.0W,,,,,\r\n"
           "4,,462.565000,,0.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,S,1.0W,,,,,\r\n"
           "5,,462.570000,split,467.570000,DTCS,88.5,88.5,754,RR,023,Tone->Tone,FM,5.00,,5.0W,,,,,\r\n"
           "6,,440.000000,,0.000000,Cross,88.5,123.0,023,NN,023,Tone->Tone,FM,6.25,,5.0W,,,,,\r\n"
           "7,,441.000000,,0.000000,Cross,100.0,88.5,023,NR,754,Tone->DTCS,FM,6.25,,5.0W,,,,,\r\n"
           "8,,442.005000,,0.000000,Cross,88.5,71.9,025,NN,023,DTCS->Tone,FM,5.00,,5.0W,,,,,\r\n"
           "9,,443.000000,,0.000000,Cross,88.5,110.9,023,NN,023,->Tone,NFM,6.25,,5.0W,,,,,\r\n"
           "10,,444.000000,,0.000000,Cross,88.5,88.5,023,NR,131,->DTCS,NFM,6.25,,5.0W,,,,,\r\n"
           "11,,445.000000,,0.000000,Cross,88.5,88.5,047,RN,023,DTCS->,NFM,6.25,,5.0W,,,,,\r\n"
           "12,,447.000000,,0.000000,Cross,88.5,88.5,023,NR,023,DTCS->DTCS,FM,6.25,,5.0W,,,,,\r\n"
           "13,,448.000000,off,0.000000,Cross,88.5,67.0,023,NN,023,->Tone,FM,6.25,,5.0W,,,,,\r\n"
           "15,,449.000000,,0.000000,Cross,88.5,88.5,065,NN,152,DTCS->DTCS,FM,6.25,,5.0W,,,,,\r\n"
           "16,,400.010000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,S,1.0W,,,,,\r\n";
}

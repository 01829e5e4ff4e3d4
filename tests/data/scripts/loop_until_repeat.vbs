' Rule: Do ... Loop Until tests its condition after each pass, so the body runs at least once.
' Rule: While ... Wend repeats while its condition holds.
' Case: "ab" => "ababab|abab"
' Case: "abcd" => "abcdabcd|abcd"
Function DataUpdated(Data)
  Dim a, b
  a = ""
  Do
    a = a & Data
  Loop Until Len(a) >= 6
  b = Data
  While Len(b) < 4
    b = b & Data
  Wend
  DataUpdated = a & "|" & b
End Function

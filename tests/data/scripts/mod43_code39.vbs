' Rule: InStr(text, character) gives the 1-based position of the character, 0 when it is missing.
' Rule: The mod 43 check character is the character whose value is the sum of the values Mod 43, values being positions in the 43-character set less one.
' Case: "CODE 39" => "CODE 39R"
' Case: "ABC" => "ABCX"
' Case: "12345" => "12345F"
' Case: "abc" => "SCRIPT ERROR"
Function DataUpdated(Data)
  Const CHARSET = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"
  Dim i, p, sum
  sum = 0
  For i = 1 To Len(Data)
    p = InStr(CHARSET, Mid(Data, i, 1))
    If p = 0 Then
      DataUpdated = "SCRIPT ERROR"
      Exit Function
    End If
    sum = sum + p - 1
  Next
  DataUpdated = Data & Mid(CHARSET, (sum Mod 43) + 1, 1)
End Function

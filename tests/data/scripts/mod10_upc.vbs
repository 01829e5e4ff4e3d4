' Rule: Mod gives the remainder of whole numbers; CInt(Mid(s, i, 1)) reads one digit.
' Rule: For i = 1 To n Step 1 visits each position; the UPC-A check digit weights odd positions by 3.
' Case: "03600029145" => "036000291452"
' Case: "01234567890" => "012345678905"
' Case: "12345678901" => "123456789012"
Function DataUpdated(Data)
  Dim i, sum
  sum = 0
  For i = 1 To Len(Data)
    If i Mod 2 = 1 Then
      sum = sum + 3 * CInt(Mid(Data, i, 1))
    Else
      sum = sum + CInt(Mid(Data, i, 1))
    End If
  Next
  DataUpdated = Data & ((10 - (sum Mod 10)) Mod 10)
End Function

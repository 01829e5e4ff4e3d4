Dim a(3), b()
ReDim b(2, 2)
n = &H10 + &O7 - #1/2/2000# * 0.5 ^ -2
Sub Swap(x, ByVal y)
  Dim t : t = x : x = y : y = t
End Sub
Function F(Data)
  Select Case Left(Data, 1)
    Case "1", "2" : F = "low"
    Case "3" To "5", Is > "8"
      F = "mid"
    Case Else
      F = Null
  End Select
  For Each p In Split(Data & ",x,y", ",")
    Do While Len(p) < 4
      p = "0" & p
      If p = "000x" Then Exit Do
    Loop
    F = F & p
  Next
  i = 0
  While i < 3 : i = i + 1 : Wend
  Do : i = i - 1 : Loop Until i <= 0
  Swap a(1), i
  ReDim Preserve b(2, 4)
  Set o = Nothing
  If o Is Nothing And Not IsEmpty(F) Or False Xor True Eqv 1 Imp 0 Then F = F & "!" Else F = UCase(F)
  F = F & _
    Right("0000" & n, 4)
  Err.Raise 5, "src", "text"
End Function
Function DataUpdated(Data)
  On Error Resume Next
  DataUpdated = F(Data)
  DataUpdated = DataUpdated & Err.Number
  On Error GoTo 0
End Function

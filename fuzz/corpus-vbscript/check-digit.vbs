Option Explicit
Const Weights = "31"
Dim calls
calls = 0

' Mod 10 check digit with weights 3 and 1 from the right.
Function CheckDigit(ByVal s)
  Dim i, sum, w
  sum = 0
  For i = Len(s) To 1 Step -1
    If (Len(s) - i) Mod 2 = 0 Then w = 3 Else w = 1
    sum = sum + CInt(Mid(s, i, 1)) * w
  Next
  CheckDigit = (10 - sum Mod 10) Mod 10
End Function

Function DataUpdated(Data)
  calls = calls + 1
  On Error Resume Next
  DataUpdated = Data & CheckDigit(Data)
  If Err.Number <> 0 Then DataUpdated = "bad: " & Err.Description : Err.Clear
End Function

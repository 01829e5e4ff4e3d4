' Rule: Step -1 runs a For loop backwards; \ is integer division and Mod the remainder.
' Rule: The Luhn check digit doubles every second digit from the right and sums the digits of each product.
' Case: "7992739871" => "79927398713"
' Case: "4111111111111111" => "41111111111111113"
' Case: "0" => "00"
Function DataUpdated(Data)
  Dim i, d, sum, dbl
  sum = 0
  dbl = True
  For i = Len(Data) To 1 Step -1
    d = CInt(Mid(Data, i, 1))
    If dbl Then
      d = d * 2
      d = (d \ 10) + (d Mod 10)
    End If
    sum = sum + d
    dbl = Not dbl
  Next
  DataUpdated = Data & ((10 - sum Mod 10) Mod 10)
End Function
